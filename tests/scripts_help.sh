#!/bin/sh
# Each script's --help prints its usage from the comment block at its top, and no line of the
# script's code after that block.
# usage: scripts_help.sh SCRIPTS_DIR
status=0
for script in draw-trees show-steps density-study scaling-study docs-pictures pugixml-source playground-speed; do
  help=$("$1/$script" --help) || { echo "$script --help failed"; status=1; continue; }
  printf '%s\n' "$help" | grep -qi '^usage: ' || { echo "$script --help: no usage line"; status=1; }
  if printf '%s\n' "$help" | grep -qE '^(set |repo=|#!)'; then
    echo "$script --help shows lines of the script itself:"
    printf '%s\n' "$help" | grep -E '^(set |repo=|#!)'
    status=1
  fi
done
exit $status
