#!/bin/sh
# The observer hooks in the routines' steps cost the timed routines nothing: compiles each timed
# translation unit of mst/ as it is and with every hook call deleted, and compares the machine
# code instruction by instruction (addresses and symbol names aside).
# usage: hooks_compile_to_nothing.sh SOURCE_DIR COMPILER [FLAGS...]
set -eu
source_dir=$1
shift
compiler=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for copy in hooked bare; do
  mkdir -p "$work/$copy"
  cp -R "$source_dir/graph" "$source_dir/mst" "$work/$copy/"
done
# A hook call is one statement on a line of its own: observer.Name(...);
hooks=$(grep -rhcE '^\s*observer\.[A-Za-z]+\(.*\);\s*$' "$work/bare/mst" | awk '{ n += $1 } END { print n }')
if [ "$hooks" -lt 8 ]; then
  echo "found only $hooks hook calls in mst/: has their form changed?" >&2
  exit 1
fi
find "$work/bare/mst" -name '*.h' -exec sed -i -E '/^\s*observer\.[A-Za-z]+\(.*\);\s*$/d' {} +
instructions() {
  objdump -d --no-show-raw-insn "$1" | grep -E '^\s+[0-9a-f]+:\s' |
    sed -E 's/^ *[0-9a-f]+:\s*//; s/[0-9a-f]+ <[^>]*>/<>/g; s/#.*//; s/\s+$//'
}
status=0
for unit in prim.cpp kruskal.cpp merge_sort.cpp detail/scan_portable.cpp detail/scan_avx2.cpp detail/scan_avx512.cpp; do
  for copy in hooked bare; do
    "$compiler" "$@" -I"$work/$copy" -c "$work/$copy/mst/$unit" -o "$work/$copy.o"
    instructions "$work/$copy.o" > "$work/$copy.s"
  done
  if ! cmp -s "$work/hooked.s" "$work/bare.s"; then
    echo "mst/$unit: the hooks change the machine code:" >&2
    diff "$work/bare.s" "$work/hooked.s" | head -20 >&2
    status=1
  else
    echo "mst/$unit: $(wc -l < "$work/hooked.s") instructions, the same with and without the $hooks hook calls"
  fi
done
exit $status
