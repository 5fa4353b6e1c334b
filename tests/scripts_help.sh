#!/bin/sh
# Each script's --help prints its usage from the comment block at its top (from its first line,
# not its #! line),
# and no line of the script's code after that block; an unknown option, and --out without a
# folder, exit 2. docs-pictures finds the browser by either of its names.
# usage: scripts_help.sh SCRIPTS_DIR
status=0
for script in draw-trees show-steps density-study scaling-study docs-pictures pugixml-source playground-speed; do
  help=$("$1/$script" --help) || { echo "$script --help failed"; status=1; continue; }
  printf '%s\n' "$help" | grep -qi '^usage: ' || { echo "$script --help: no usage line"; status=1; }
  [ "$(printf '%s\n' "$help" | head -n 1)" = "$(sed -n '2{s/^# //;s/^"""//;p;}' "$1/$script")" ] ||
    { echo "$script --help does not start with the script's first comment line"; status=1; }
  if printf '%s\n' "$help" | grep -q '^!'; then echo "$script --help shows its #! line"; status=1; fi
  "$1/$script" --no-such-option > /dev/null 2>&1
  unknown=$?
  [ "$unknown" -eq 2 ] || { echo "$script --no-such-option: exit status $unknown, not 2"; status=1; }
  if printf '%s\n' "$help" | grep -qE '^(set |repo=|#!)'; then
    echo "$script --help shows lines of the script itself:"
    printf '%s\n' "$help" | grep -E '^(set |repo=|#!)'
    status=1
  fi
done
# --out without a folder is refused as bad usage, before anything is read; --version answers.
for script in draw-trees show-steps; do
  version=$("$1/$script" --version) || { echo "$script --version: exit status $?"; status=1; }
  printf '%s\n' "$version" | grep -qx "$script [0-9][0-9.]*" || { echo "$script --version printed '$version'"; status=1; }
  for out in '--out' '--out=' '-o'; do
    "$1/$script" $out "" /no/such/network.txt > /dev/null 2>&1
    given=$?
    [ "$given" -eq 2 ] || { echo "$script $out '': exit status $given, not 2"; status=1; }
  done
done
# docs-pictures finds the browser under Debian's name or under Ubuntu's, chromium-browser: with a
# stand-in of that name alone on the path, it gets past its check for one.
bin=$(mktemp -d) || exit 1
for tool in bash dirname mkdir; do ln -s "$(command -v "$tool")" "$bin/$tool"; done
printf '#!/bin/sh\n' > "$bin/chromium-browser" && chmod +x "$bin/chromium-browser" || exit 1
if PATH=$bin "$1/docs-pictures" "$bin/out" 2>&1 | grep -q 'chromium is missing'; then
  echo "docs-pictures did not find chromium-browser"
  status=1
fi
rm -rf "$bin"
exit $status
