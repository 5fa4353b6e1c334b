#!/bin/sh
# The installed scripts (mst-show-steps, mst-draw-trees) find the installed programs and the
# shipped networks beside them, and make their pages and pictures in the working folder.
# usage: installed_scripts_test.sh BUILD_DIR SCRATCH_DIR
set -u
build=$1
work=$2/installed-scripts
rm -rf "$work" && mkdir -p "$work/run" || exit 1
cmake --install "$build" --prefix "$work/install" > "$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }
cd "$work/run" || exit 1
"$work/install/bin/mst-show-steps" > log 2>&1 || { echo "mst-show-steps failed:"; cat log; exit 1; }
"$work/install/bin/mst-draw-trees" >> log 2>&1 || { echo "mst-draw-trees failed:"; cat log; exit 1; }
for made in steps/matrix1-steps.html steps/matrix3-steps.html trees/matrix1.svg trees/matrix3.dot; do
  [ -s "$made" ] || { echo "the installed scripts made no $made:"; cat log; exit 1; }
done
exit 0
