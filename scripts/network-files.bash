# Sourced by draw-trees and show-steps (not run): reads their arguments,
#   [--out OUT] [FOLDER | NETWORK_FILE...]   or, as before files could be given,   FOLDER OUT
# Takes: me (the script's name, for messages), folder and out (the defaults), set beforehand.
# Sets: networks (the network files given, or matrix1.txt to matrix3.txt of the folder, a
# missing one skipped with a message) and out. --help prints the script's top comment. Bad
# usage, and two files of one name (their outputs would collide), exit 2; a folder without
# networks exits 1; each refusal is one line naming the script.
read_network_arguments() {
  local args=() chosen=
  while [ $# -gt 0 ]; do
    case "$1" in
      -h|--help) awk 'NR > 1 { if (!/^#/) exit; sub(/^# ?/, ""); print }' "$0"; exit 0 ;;
      -o|--out) [ $# -ge 2 ] && [ -n "$2" ] || { echo "$me: $1 needs a folder (see --help)" >&2; exit 2; }
        chosen=$2; shift 2 ;;
      --out=*) chosen=${1#--out=}; [ -n "$chosen" ] || { echo "$me: --out needs a folder (see --help)" >&2; exit 2; }
        shift ;;
      --) shift; args+=("$@"); break ;;
      -?*) echo "$me: unknown option '$1' (see --help)" >&2; exit 2 ;;
      *) args+=("$1"); shift ;;
    esac
  done
  networks=()
  if [ ${#args[@]} -eq 0 ] || [ -d "${args[0]}" ]; then
    folder=${args[0]:-$folder}
    if [ ${#args[@]} -eq 2 ] && [ -z "$chosen" ]; then
      chosen=${args[1]}
    elif [ ${#args[@]} -gt 1 ]; then
      echo "$me: a FOLDER takes at most OUT after it; give network files alone (see --help)" >&2
      exit 2
    fi
    local n
    for n in 1 2 3; do
      if [ -f "$folder/matrix$n.txt" ]; then networks+=("$folder/matrix$n.txt")
      else echo "$me: $folder/matrix$n.txt is missing; skipped" >&2; fi
    done
    [ ${#networks[@]} -gt 0 ] || { echo "$me: no matrix1.txt to matrix3.txt in $folder" >&2; exit 1; }
  else
    networks=("${args[@]}")
  fi
  out=${chosen:-$out}
  local dupes network base
  dupes=$(for network in "${networks[@]}"; do base=$(basename -- "$network"); echo "${base%.*}"; done | sort | uniq -d)
  if [ -n "$dupes" ]; then
    echo "$me: two network files are named $(echo "$dupes" | head -n 1): their outputs would collide" >&2
    exit 2
  fi
}
