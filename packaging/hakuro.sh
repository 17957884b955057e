#!/bin/sh
# Starts the program in its folder of the user's data directory, where it keeps its settings,
# its wave files and the records saved by default; made, with the wave files, on first start.
set -e
data="${XDG_DATA_HOME:-$HOME/.local/share}/hakuro"
share="$(dirname "$0")/../share/hakuro"
mkdir -p "$data"
for wave in "$share"/*.wav; do
  [ -e "$data/$(basename "$wave")" ] || cp "$wave" "$data/"
done
cd "$data"
exec "$(dirname "$0")/../lib/hakuro/hakuro" "$@"
