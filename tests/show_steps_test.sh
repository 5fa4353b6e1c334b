#!/bin/sh
# scripts/show-steps on a folder with a refused network: the good networks get their pages (one
# drawn at its points, one a GraphML file that names its nodes), the refused one is skipped with
# its reason and leaves no page, not even a stale one. Given as a file, a refused network fails
# the script. On network files of any name: each page is named and titled after its file, and a
# names file beside a network names its nodes.
# usage: show_steps_test.sh SOURCE_DIR BUILD_DIR SCRATCH_DIR
set -u
source_dir=$1
build=$2
work=$3/show-steps
rm -rf "$work" && mkdir -p "$work/in" "$work/out" || exit 1
printf '3\t3\n1\t2\t4\n2\t3\t1\n1\t3\t3\n' > "$work/in/matrix1.txt"
printf '2\t3\n1\t2\t5\n2\t4\t1\n' > "$work/in/matrix2.txt"
"$build/mst-netgen" --geometric --nodes 12 --edges 20 --seed 4 --positions "$work/in/matrix3.positions" \
  > "$work/in/matrix3.txt" || exit 1
printf '<graphml><graph><node id="Fantine"/><node id="Cosette"/><edge source="Fantine" target="Cosette"/></graph></graphml>' \
  > "$work/in/family.graphml"
echo stale > "$work/out/matrix2-steps.html"
mkdir -p "$work/in/older" && cp "$work/in/matrix1.txt" "$work/in/older/kept.txt" || exit 1  # a subfolder is not taken
MST_BUILD_DIR=$build "$source_dir/scripts/show-steps" "$work/in" "$work/out" > "$work/log" 2>&1
status=$?
fail() { echo "show-steps: $1"; cat "$work/log"; exit 1; }
[ "$status" -eq 0 ] || fail "exit status $status for a folder with a refused network, expected 0"
[ -s "$work/out/matrix1-steps.html" ] || fail "no page for matrix1.txt"
[ -s "$work/out/matrix3-steps.html" ] || fail "no page for matrix3.txt"
grep -q '"names":\["Fantine","Cosette"\]' "$work/out/family-steps.html" || fail "no page for family.graphml, named"
[ ! -e "$work/out/matrix2-steps.html" ] || fail "a page is left for the refused matrix2.txt"
[ ! -e "$work/out/kept-steps.html" ] || fail "a network in a subfolder got a page"
grep -q 'id="n12"' "$work/out/matrix3-steps.html" || fail "matrix3's page lacks its nodes"
grep -q 'matrix2.txt: skipped: edge row 2' "$work/log" || fail "the refusal was not reported"
grep -q 'matrix3.positions: skipped: a positions file' "$work/log" || fail "the positions file was not named"
! grep -q "$(printf '\r')" "$work/log" || fail "progress was written off a terminal"
MST_BUILD_DIR=$build "$source_dir/scripts/show-steps" --out "$work/out" "$work/in/matrix2.txt" > "$work/log" 2>&1 &&
  fail "exit status 0 for a refused network given as a file"
# The importer's options pass on: decimals read with --scale, as the refusal without it advises.
printf 'a b 2.5\nb c 1.25\n' > "$work/scaled.txt"
MST_BUILD_DIR=$build "$source_dir/scripts/show-steps" --out "$work/out" "$work/scaled.txt" > "$work/log" 2>&1 &&
  fail "exit status 0 for decimals without --scale"
grep -q -- '--scale F multiplies' "$work/log" || fail "the refusal does not advise --scale"
MST_BUILD_DIR=$build "$source_dir/scripts/show-steps" --out="$work/out" "$work/scaled.txt" --scale 100 \
  > "$work/log" 2>&1 || fail "exit status $? with --scale 100 after the file"
grep -q '"total":\[250,375\]' "$work/out/scaled-steps.html" || fail "the page's total is not the scaled one"
# A folder none of whose files is a network fails; of two files of one name, the second is skipped.
mkdir -p "$work/none" "$work/twice" || exit 1
printf 'not a network\n' > "$work/none/notes.txt"
for script in show-steps draw-trees; do
  MST_BUILD_DIR=$build "$source_dir/scripts/$script" "$work/none" "$work/out" > "$work/log" 2>&1 &&
    fail "$script: exit status 0 for a folder without a network"
  grep -q 'no file of .* could be read as a network' "$work/log" || fail "$script: the empty folder was not named"
  MST_BUILD_DIR=$build "$source_dir/scripts/$script" --out "$work/out" "$work/none" "$work/other" > "$work/log" 2>&1
  given=$?
  [ "$given" -eq 2 ] || fail "$script: exit status $given, not 2, for --out and an OUT after the folder"
done
# A refusal after a note is reported, naming the file it is about (here the points beside).
mkdir -p "$work/noted" || exit 1
printf 'a,b,1.5\nb,c,2\n' > "$work/noted/dec.csv"
printf '0 0\n1 1\n' > "$work/noted/dec.positions"
for script in show-steps draw-trees; do
  MST_BUILD_DIR=$build "$source_dir/scripts/$script" --scale 10 "$work/noted" "$work/out" > "$work/log" 2>&1
  grep -q "dec.csv: skipped: dec.positions: " "$work/log" || { cat "$work/log"; fail "$script: the refusal after a note was lost"; }
done
printf '3\t3\n1\t2\t4\n2\t3\t1\n1\t3\t3\n' > "$work/twice/net.txt"
printf '<graphml><graph><node id="a"/><node id="b"/><edge source="a" target="b"/></graph></graphml>' > "$work/twice/net.xml"
MST_BUILD_DIR=$build "$source_dir/scripts/show-steps" "$work/twice" "$work/out" > "$work/log" 2>&1 ||
  fail "exit status $? for a folder with two files of one name"
grep -q 'net.xml: skipped: another file is named net' "$work/log" || fail "the second file of one name was not skipped"
grep -q '"nodes":3' "$work/out/net-steps.html" || fail "the second file of one name replaced the first's page"
if command -v neato > /dev/null; then  # draw-trees needs Graphviz
  MST_BUILD_DIR=$build "$source_dir/scripts/draw-trees" "$work/twice" "$work/drawn" > "$work/log" 2>&1 ||
    fail "draw-trees: exit status $? for a folder with a network drawn and a file skipped"
fi
# An unreadable first file of a name leaves it to the next that reads.
mkdir -p "$work/first" || exit 1
printf 'graph [ broken\n' > "$work/first/net.gml"
cp "$work/twice/net.xml" "$work/first/net.xml"
MST_BUILD_DIR=$build "$source_dir/scripts/show-steps" "$work/first" "$work/out" > "$work/log" 2>&1 ||
  fail "exit status $? for an unreadable file beside a good one of its name"
grep -q '"nodes":2' "$work/out/net-steps.html" || fail "the readable file of a name got no page"
# A Graphviz warning fails draw-trees (its PNG is Graphviz's).
mkdir -p "$work/fake" || exit 1
cat > "$work/fake/neato" <<'FAKE'
#!/bin/sh
for last; do :; done
echo "Warning: the fake neato warns" >&2
printf '<svg><g id="n1"></g></svg>\n' > "$last"
FAKE
chmod +x "$work/fake/neato"
PATH="$work/fake:$PATH" MST_BUILD_DIR=$build "$source_dir/scripts/draw-trees" --out "$work/trees" \
  "$work/in/matrix1.txt" > "$work/log" 2>&1 && fail "draw-trees: exit status 0 on a Graphviz warning"
grep -q 'the fake neato warns' "$work/log" || fail "draw-trees: the Graphviz warning was not shown"
# show-steps draws with mst-trace alone: a broken Graphviz on the path changes nothing.
PATH="$work/fake:$PATH" MST_BUILD_DIR=$build "$source_dir/scripts/show-steps" --out "$work/warned" \
  "$work/in/matrix1.txt" > "$work/log" 2>&1 || fail "exit status $? with a broken neato on the path"
grep -q 'id="e3"' "$work/warned/matrix1-steps.html" || fail "the page made without Graphviz lacks its edges"
mkdir -p "$work/any" || exit 1
printf '3\t3\n1\t2\t4\n2\t3\t1\n1\t3\t3\n' > "$work/any/my net.txt"
printf '1\tMyriel\n3\tJavert\n2\tValjean\n' > "$work/any/my net.names"
MST_BUILD_DIR=$build "$source_dir/scripts/show-steps" "$work/any/my net.txt" "$work/in/matrix1.txt" --out "$work/out" \
  > "$work/log" 2>&1 || fail "exit status $? for two good network files, --out after them"
page="$work/out/my net-steps.html"
grep -q '<title>Prim and Kruskal, step by step: my net.txt</title>' "$page" || fail "the page is not titled after its file"
grep -q '"names":\["Myriel","Valjean","Javert"\]' "$page" || fail "the page lacks the names"
grep -q '>Valjean</text>' "$page" || fail "the drawing lacks the names"
# At a terminal each stage is shown on one line, cleared before the page's name is written
# (script, of Debian's essential bsdutils, gives the script a terminal; it reads nothing from ours).
script -qec "MST_BUILD_DIR='$build' '$source_dir/scripts/show-steps' --out '$work/tty' '$work/in/matrix1.txt'" \
  /dev/null < /dev/null > "$work/tty.log" 2>&1 || fail "exit status $? at a terminal"
grep -q 'laying out' "$work/tty.log" || fail "no progress at a terminal: $(cat -A "$work/tty.log")"
tr '\r' '\n' < "$work/tty.log" | grep -q "^$(printf '\033')\[K$work/tty/matrix1-steps.html" ||
  fail "the progress line was not cleared: $(cat -A "$work/tty.log")"
# Without MST_BUILD_DIR, show-steps configures build/ first (a fresh clone has none); with it,
# the folder named is taken as built. cmake is a stand-in that logs its calls.
mkdir -p "$work/bin" || exit 1
printf '#!/bin/sh\necho "$*" >> "%s/cmake.log"\n' "$work" > "$work/bin/cmake" && chmod +x "$work/bin/cmake" || exit 1
: > "$work/cmake.log"
env -u MST_BUILD_DIR PATH="$work/bin:$PATH" "$source_dir/scripts/show-steps" --out "$work/fresh" \
  "$work/in/matrix1.txt" > /dev/null 2>&1
case "$(head -n 1 "$work/cmake.log")" in
  "-S "*" -B "*/build) ;;
  *) fail "build/ was not configured first: $(cat "$work/cmake.log")" ;;
esac
: > "$work/cmake.log"
PATH="$work/bin:$PATH" MST_BUILD_DIR=$build "$source_dir/scripts/show-steps" --out "$work/fresh" \
  "$work/in/matrix1.txt" > /dev/null 2>&1
! grep -q -- '-S ' "$work/cmake.log" || fail "MST_BUILD_DIR was configured again: $(cat "$work/cmake.log")"
exit 0
