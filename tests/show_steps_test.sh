#!/bin/sh
# scripts/show-steps on a folder with a refused network: the good networks get their pages (one
# drawn at its points), the refused one leaves no page, not even a stale one, and the script
# fails. Then on network files of any name: each page is named and titled after its file, and
# a names file beside a network names its nodes.
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
echo stale > "$work/out/matrix2-steps.html"
MST_BUILD_DIR=$build "$source_dir/scripts/show-steps" "$work/in" "$work/out" > "$work/log" 2>&1
status=$?
fail() { echo "show-steps: $1"; cat "$work/log"; exit 1; }
[ "$status" -eq 1 ] || fail "exit status $status for a refused network, expected 1"
[ -s "$work/out/matrix1-steps.html" ] || fail "no page for matrix1.txt"
[ -s "$work/out/matrix3-steps.html" ] || fail "no page for matrix3.txt"
[ ! -e "$work/out/matrix2-steps.html" ] || fail "a page is left for the refused matrix2.txt"
grep -q 'id="n12"' "$work/out/matrix3-steps.html" || fail "matrix3's page lacks its nodes"
grep -q 'matrix2.txt: edge row 2' "$work/log" || fail "the refusal was not reported"
mkdir -p "$work/any" || exit 1
printf '3\t3\n1\t2\t4\n2\t3\t1\n1\t3\t3\n' > "$work/any/my net.txt"
printf '1\tMyriel\n3\tJavert\n2\tValjean\n' > "$work/any/my net.names"
MST_BUILD_DIR=$build "$source_dir/scripts/show-steps" --out "$work/out" "$work/any/my net.txt" "$work/in/matrix1.txt" \
  > "$work/log" 2>&1 || fail "exit status $? for two good network files"
page="$work/out/my net-steps.html"
grep -q '<title>Prim and Kruskal, step by step: my net.txt</title>' "$page" || fail "the page is not titled after its file"
grep -q '"names": \["Myriel","Valjean","Javert"\]' "$page" || fail "the page lacks the names"
grep -q '>Valjean</text>' "$page" || fail "the drawing lacks the names"
exit 0
