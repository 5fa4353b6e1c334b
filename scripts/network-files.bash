# Sourced by draw-trees and show-steps (not run): reads their arguments,
#   [--out OUT] [FOLDER | NETWORK_FILE...]   or, as before files could be given,   FOLDER OUT
# Takes: me (the script's name, for messages), folder and out (the defaults), set beforehand.
# Sets: networks (the network files given, every file of a folder given in name order, or else
# the default folder's matrix1.txt to matrix3.txt), out, import_options (the importer's options
# given: --format, --weight, --columns, --scale, --maximum, --largest-part, --encoding,
# --comments, --decimal-comma, to pass on to the companions), and
# from_folder (1 when the files came from a folder: a file the companions cannot read is then
# skipped with its reason rather than failing the script). Of a folder's files, names and
# positions files (they go with a network) are skipped with a message; of files of one name
# (NAME.txt and NAME.graphml: their outputs would collide), the scripts keep the first they
# could read (collides below); refused below reports a file a companion refuses. --help prints
# the script's top comment. Bad usage, and two files of one name given, exit 2; a folder without
# files exits 1; each refusal is one line naming the script.
read_network_arguments() {
  local args=() chosen=
  import_options=()
  while [ $# -gt 0 ]; do
    case "$1" in
      # Installed (as mst-show-steps, mst-draw-trees), the help names the script so.
      -h|--help) awk -v me="$me" -v plain="${me#mst-}" 'NR > 1 { if (!/^#/) exit; sub(/^# ?/, "")
                   if (me != plain) gsub("scripts/" plain, me); print }' "$0"; exit 0 ;;
      --version) local version
        if [ -x "$here/mst-draw" ]; then version=$("$here/mst-draw" --version); version=${version##* }
        else version=$(sed -n 's/^project(mst-bench VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt"); fi
        echo "$me $version"; exit 0 ;;
      -o|--out) [ $# -ge 2 ] && [ -n "$2" ] || { echo "$me: $1 needs a folder (see --help)" >&2; exit 2; }
        chosen=$2; shift 2 ;;
      --out=*) chosen=${1#--out=}; [ -n "$chosen" ] || { echo "$me: --out needs a folder (see --help)" >&2; exit 2; }
        shift ;;
      # The importer's options, passed on to mst-draw and mst-trace as given.
      --format|--weight|--columns|--scale|--encoding|--comments)
        [ $# -ge 2 ] || { echo "$me: $1 needs a value (see --help)" >&2; exit 2; }
        import_options+=("$1" "$2"); shift 2 ;;
      --format=*|--weight=*|--columns=*|--scale=*|--encoding=*|--comments=*|--maximum|--largest-part|--decimal-comma)
        import_options+=("$1"); shift ;;
      --) shift; args+=("$@"); break ;;
      -?*) echo "$me: unknown option '$1' (see --help)" >&2; exit 2 ;;
      *) args+=("$1"); shift ;;
    esac
  done
  networks=()
  from_folder=0
  if [ ${#args[@]} -eq 0 ]; then
    # The shipped networks (where installed, their folder holds the README too).
    networks=("$folder/matrix1.txt" "$folder/matrix2.txt" "$folder/matrix3.txt")
  elif [ -d "${args[0]}" ]; then
    folder=${args[0]}
    if [ ${#args[@]} -eq 2 ] && [ -z "$chosen" ]; then
      chosen=${args[1]}
    elif [ ${#args[@]} -gt 1 ]; then
      echo "$me: a FOLDER takes at most OUT after it; give network files alone (see --help)" >&2
      exit 2
    fi
    from_folder=1
    local file base
    while IFS= read -r file; do
      base=$(basename -- "$file")
      case "$base" in
        *.names) echo "$me: $file: skipped: a names file (it names the nodes of ${base%.names}.*)" >&2; continue ;;
        *.positions) echo "$me: $file: skipped: a positions file (it places the nodes of ${base%.positions}.*)" >&2
          continue ;;
      esac
      networks+=("$file")
    done < <(find "$folder" -maxdepth 1 -type f ! -name '.*' | LC_ALL=C sort)
    [ ${#networks[@]} -gt 0 ] || { echo "$me: no network files in $folder" >&2; exit 1; }
  else
    networks=("${args[@]}")
    local dupes network base
    dupes=$(for network in "${networks[@]}"; do base=$(basename -- "$network"); echo "${base%.*}"; done | sort | uniq -d)
    if [ -n "$dupes" ]; then
      echo "$me: two network files are named $(echo "$dupes" | head -n 1): their outputs would collide" >&2
      exit 2
    fi
  fi
  out=${chosen:-$out}
}

# Whether a network of the same name (its file name without the extension) was already made in
# this run; made_name records one. A later file of that name is skipped: it would overwrite.
made_names=" "
collides() { case "$made_names" in *" $1/ "*) return 0 ;; esac; return 1; }
made_name() { made_names="$made_names$1/ "; }

# PROGRAM refused $network (whose file name is $base), saying why in MESSAGES. From a folder the
# file is skipped with one line: the refusal is the last line (notes such as --scale's come
# first), and it names the file it is about unless that is the network itself. A file given by
# name shows every message and fails the run (status=1).
refused() {
  local reason
  if [ "$from_folder" -eq 1 ]; then
    reason=$(tail -n 1 "$2")
    reason=${reason#"$1: "}
    echo "$me: $network: skipped: ${reason#"$base: "}" >&2
  else
    cat "$2" >&2
    status=1
  fi
}

# At a terminal (standard error), what the script is doing, on one line that each stage
# rewrites; off one, nothing. done_with ends the line.
progress() { [ -t 2 ] && printf '\r\033[K%s: %s' "$me" "$*" >&2 || true; }
done_with() { [ -t 2 ] && printf '\r\033[K' >&2 || true; }
