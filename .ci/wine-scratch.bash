# Sourced by the Windows checks: a scratch folder with a Wine prefix of its own, removed on exit,
# and normalize, which masks what may differ between a native and a Windows report (timing
# figures, CR LF, the Windows PAUSE prompt).
scratch=$(mktemp -d)
export WINEDEBUG=-all WINEPREFIX="$scratch/wineprefix"

# wineserver -k only asks the server to stop: wait for it, or its last writes race the removal
# of the prefix. Every wait is bounded, so that a Wine that hangs fails the check instead of
# holding CI until its limit. A server that already left (wineserver -k then fails) or a folder
# that cannot be removed at once is not the check's failure: neither changes its exit status.
remove_scratch() {
  wineserver -k 2>/dev/null || true
  timeout 60 wineserver -w 2>/dev/null || true
  local try
  for try in 1 2 3 4 5; do
    rm -rf "$scratch" 2>/dev/null && return 0
    sleep 1
  done
  echo "note: $scratch could not be removed" >&2
}
trap remove_scratch EXIT

normalize() {
  tr -d '\r' | sed -E 's/(\) :    )[0-9]+( ms)$/\1#\2/' | sed '/^Press any key to continue/d'
}
