#!/bin/sh
# scripts/density-study --refit on a small CSV of known timings and counts: the summary (fastest
# and runner-up, Prim against Kruskal, the rule of thumb, the costs per operation) must be the
# one worked out for it. Then what the studies hand gnuplot, and a measured run of each with its
# timer a stand-in.
# usage: density_refit_test.sh SOURCE_DIR SCRATCH_DIR
set -u
work=$2/density-refit
rm -rf "$work" && mkdir -p "$work" || exit 1
cp "$1/tests/fixtures/density-refit.csv" "$work/density.csv" || exit 1
"$1/scripts/density-study" --refit "$work" > "$work/log" 2>&1 || { cat "$work/log"; exit 1; }
diff "$1/tests/fixtures/density-refit-summary.txt" "$work/density-summary.txt"
# Without MST_BUILD_DIR a study configures build/ first (a fresh clone has none); --refit then
# builds the summary alone and measures nothing again. cmake is a stand-in that logs its calls.
mkdir -p "$work/bin" "$work/fresh" || exit 1
printf '#!/bin/sh\necho "$*" >> "%s/cmake.log"\n' "$work" > "$work/bin/cmake" && chmod +x "$work/bin/cmake" || exit 1
repo=$(cd "$1" && pwd)
for study in density scaling; do
  : > "$work/cmake.log"
  cp "$1/tests/fixtures/density-refit.csv" "$work/fresh/$study.csv" || exit 1
  env -u MST_BUILD_DIR PATH="$work/bin:$PATH" "$1/scripts/$study-study" --refit "$work/fresh" > /dev/null 2>&1
  [ "$(head -n 1 "$work/cmake.log")" = "-S $repo -B $repo/build" ] ||
    { echo "$study-study did not configure build/ first:"; cat "$work/cmake.log"; exit 1; }
  ! grep -q "mst-$study" "$work/cmake.log" || { echo "$study-study --refit measured again:"; cat "$work/cmake.log"; exit 1; }
done
# The charts' data: a stand-in gnuplot keeps its script and every data file the script names. The density
# chart's Prim line holds both measured rows; the scaling chart's visit costs are Prim's.
mkdir -p "$work/plot" "$work/kept" || exit 1
cat > "$work/plot/gnuplot" <<FAKE
#!/bin/sh
tee -a "$work/kept/plots.gp" | grep -o "'[^']*\.dat'" | tr -d "'" | sort -u | while read -r f; do cp "\$f" "$work/kept/\$(basename "\$f")"; done
FAKE
chmod +x "$work/plot/gnuplot" || exit 1
PATH="$work/plot:$PATH" "$1/scripts/density-study" --refit "$work" > "$work/log" 2>&1 || { cat "$work/log"; exit 1; }
printf '69 1.0 0.9 1.1\n2016 8.0 7.9 8.1\n' | diff - "$work/kept/random-64-prim.dat" || exit 1
printf 'nodes,edges,routine,microseconds_per_call,min_microseconds,max_microseconds,repetitions,edge_visits\n%s\n' \
  '8,24,prim,2.0,1.0,4.0,3,200' '8,24,kruskal,3.0,2.0,4.0,3,24' '16,48,prim,8.0,6.0,10.0,3,800' \
  '16,48,kruskal,6.0,5.0,7.0,3,48' '8,80,prim,4.0,3.0,5.0,3,560' '8,80,kruskal,5.0,4.0,6.0,3,80' \
  > "$work/scaling.csv"
PATH="$work/plot:$PATH" "$1/scripts/scaling-study" --refit "$work" > "$work/log" 2>&1 || { cat "$work/log"; exit 1; }
printf '8 10 5 20\n16 10 7.5 12.5\n' | diff - "$work/kept/visit-3.dat"
# Every curve of every chart is as wide as the others, and each density has its own dash in both
# of the scaling study's: (width, dash, edges per node) for every curve.
[ "$(grep -oE 'yerrorlines lw [0-9.]+' "$work/kept/plots.gp" | sort -u)" = "yerrorlines lw 2" ] ||
  { echo "curves of other widths:"; grep -oE 'yerrorlines lw [0-9.]+' "$work/kept/plots.gp" | sort | uniq -c; exit 1; }
curves=$(grep -oE "yerrorlines lw [0-9.]+ lc rgb '[^']*' pt [0-9]+ dt [0-9]+ title '[^']*, [0-9]+ edges" \
  "$work/kept/plots.gp" | awk '{ print $3, $10, $(NF - 1) }' | sort -u)
[ "$curves" = "$(printf '2 1 10\n2 2 3')" ] || { echo "curves (width, dash, edges per node): $curves"; exit 1; }
# A measured run (the timer a stand-in that prints the known CSV and a real network) writes what
# the timer printed, and the map shows the real network.
mkdir -p "$work/timers" "$work/measured" || exit 1
rm -f "$work/kept/"*
{ cat "$1/tests/fixtures/density-refit.csv"; printf 'real:lesmis,77,254,%s,7,%s\n' 'prim,2.0,1.9,2.1' '4347,,,,,,' \
  'kruskal,1.0,0.9,1.1' '60,400,800,68,5000,30,'; } > "$work/measured.csv"
printf '#!/bin/sh\ncat "%s"\n' "$work/measured.csv" > "$work/timers/mst-density" || exit 1
chmod +x "$work/timers/mst-density" && ln -sf "$MST_BUILD_DIR/mst-study-summary" "$work/timers/" || exit 1
(cd "$work/measured" && PATH="$work/bin:$work/plot:$PATH" MST_BUILD_DIR="$work/timers" \
  "$1/scripts/density-study" --quick "$work/measured") > "$work/log" 2>&1 || { cat "$work/log"; exit 1; }
cmp "$work/measured.csv" "$work/measured/density.csv" || exit 1
grep -q ' lesmis$' "$work/kept/map-real.dat" || { echo "the map lacks the real network"; exit 1; }
printf '#!/bin/sh\ncat "%s"\n' "$work/scaling.csv" > "$work/timers/mst-scaling" && chmod +x "$work/timers/mst-scaling" || exit 1
(cd "$work/measured" && PATH="$work/bin:$work/plot:$PATH" MST_BUILD_DIR="$work/timers" \
  "$1/scripts/scaling-study" --quick "$work/measured") > "$work/log" 2>&1 || { cat "$work/log"; exit 1; }
cmp "$work/scaling.csv" "$work/measured/scaling.csv"
