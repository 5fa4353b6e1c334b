#!/bin/sh
# The shipped step pages and SVG pictures in docs/ are what scripts/docs-pictures makes from
# today's sources (as CI checks too).
# usage: docs_pictures_test.sh SOURCE_DIR BUILD_DIR SCRATCH_DIR
set -u
source_dir=$1
work=$3/docs-pictures
rm -rf "$work" && mkdir -p "$work" || exit 1
MST_BUILD_DIR=$2 "$source_dir/scripts/docs-pictures" "$work" > "$work.log" 2>&1 || { cat "$work.log"; exit 1; }
status=0
for shipped in "$source_dir"/docs/*-steps.html "$source_dir"/docs/*-trees.svg; do
  cmp -s "$shipped" "$work/$(basename "$shipped")" ||
    { echo "$shipped differs from what scripts/docs-pictures makes today"; status=1; }
done
exit $status
