#!/usr/bin/env bash
# Runs one scenario script in a fresh folder and compares its output with NAME.expected.
set -euo pipefail
replay=$1 script=$2 rundir=$3
name=${script%.replay}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A script whose first line is "# no wave files" runs without them.
head -n 1 "$script" | grep -q '^# no wave files' || cp "$rundir"/*.wav "$work"/
if [ -d "$name.files" ]; then cp -r "$name.files"/. "$work"/; fi
(cd "$work" && "$replay" "$script") > "$work/.out"
if ! diff -u "$name.expected" "$work/.out"; then
  echo "scenario $(basename "$name"): output differs from the expected (above)"
  exit 1
fi
