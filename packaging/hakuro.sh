#!/bin/sh
# Starts the program in its folder of the user's data directory, where it keeps its settings,
# its wave files and the records saved by default; made, with the wave files, on first start.
set -e
here="$(dirname "$(readlink -f "$0")")"
program="$here/../lib/games/hakuro/hakuro"
share="$here/../share/games/hakuro"

# These only print: no folder is needed for them.
for arg in "$@"; do
  case "$arg" in
    -h|--help|-V|--version) exec "$program" "$@" ;;
  esac
done

# The data directory must be an absolute path; anything else is ignored.
data_home="${XDG_DATA_HOME-}"
case "$data_home" in
  /*) ;;
  *) data_home="$HOME/.local/share" ;;
esac
data="$data_home/hakuro"
mkdir -p "$data"
for wave in "$share"/*.wav; do
  [ -e "$data/$(basename "$wave")" ] || cp "$wave" "$data/"
done
cd "$data"
exec "$program" "$@"
