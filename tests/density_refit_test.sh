#!/bin/sh
# scripts/density-study --refit on a small CSV of known timings and counts: the summary (fastest
# and runner-up, Prim against Kruskal, the rule of thumb, the costs per operation) must be the
# one worked out for it.
# usage: density_refit_test.sh SOURCE_DIR SCRATCH_DIR
set -u
work=$2/density-refit
rm -rf "$work" && mkdir -p "$work" || exit 1
cp "$1/tests/fixtures/density-refit.csv" "$work/density.csv" || exit 1
"$1/scripts/density-study" --refit "$work" > "$work/log" 2>&1 || { cat "$work/log"; exit 1; }
diff "$1/tests/fixtures/density-refit-summary.txt" "$work/density-summary.txt"
