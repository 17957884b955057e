#!/usr/bin/env bash
# Runs one scenario script in a fresh folder and compares its output with NAME.expected.
# NAME.2.replay, NAME.3.replay, … when there are such, are later starts of the program in the
# same folder, run in turn after NAME.replay; their outputs follow its output in NAME.expected.
set -euo pipefail
replay=$1 script=$2 rundir=$3
name=${script%.replay}
# The engines built beside hakuro-replay (hakuro-usi) are found by name: `dialog sente usi:hakuro-usi`.
export PATH="$(cd "$(dirname "$replay")" && pwd):$PATH"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A script whose first line is "# no wave files" runs without them.
head -n 1 "$script" | grep -q '^# no wave files' || cp "$rundir"/*.wav "$work"/
if [ -d "$name.files" ]; then cp -r "$name.files"/. "$work"/; fi
(cd "$work" && "$replay" "$script") > "$work/.out"
for n in 2 3 4 5 6 7 8 9; do
  [ -f "$name.$n.replay" ] || break
  (cd "$work" && "$replay" "$name.$n.replay") >> "$work/.out"
done
if ! diff -u "$name.expected" "$work/.out"; then
  echo "scenario $(basename "$name"): output differs from the expected (above)"
  exit 1
fi
