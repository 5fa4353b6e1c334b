#!/usr/bin/env bash
# Graphviz must accept mst-draw's output without a word of warning: the shipped networks and a
# geometric network, with and without pinned points, each laid out by dot and by neato.
# Usage: graphviz_accepts_dot.sh MST_DRAW MST_NETGEN NETWORKS_FOLDER SCRATCH_FOLDER
set -euo pipefail
draw=$1 netgen=$2 networks=$3 scratch=$4
rm -rf "$scratch" && mkdir -p "$scratch"
"$netgen" --geometric --nodes 60 --edges 170 --seed 5 --positions "$scratch/points.txt" > "$scratch/geometric.txt"
"$draw" --positions "$scratch/points.txt" "$scratch/geometric.txt" > "$scratch/geometric-pinned.dot"
"$draw" "$scratch/geometric.txt" > "$scratch/geometric.dot"
for n in 1 2 3; do
  "$draw" "$networks/matrix$n.txt" > "$scratch/matrix$n.dot"
done
failed=0
for dotfile in "$scratch"/*.dot; do
  for engine in dot neato; do
    if ! warnings=$("$engine" -Tsvg "$dotfile" -o "$dotfile.$engine.svg" 2>&1) || [ -n "$warnings" ]; then
      printf '%s on %s:\n%s\n' "$engine" "$dotfile" "$warnings"
      failed=1
    fi
  done
done
[ "$failed" -eq 0 ] && echo "dot and neato accept every drawing without warnings"
