#!/usr/bin/env bash
# Installs the build into a scratch prefix and starts the installed launcher as a user would:
# it makes the program's folder in the data directory, puts the wave files there, and the
# program runs in it and ends on SIGTERM.
set -uo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/usr" > /dev/null || { echo "install failed"; exit 1; }
for f in bin/hakuro lib/hakuro/hakuro share/applications/hakuro.desktop \
         share/icons/hicolor/256x256/apps/hakuro.png share/hakuro/BGM.wav; do
  [ -e "$work/usr/$f" ] || { echo "not installed: $f"; exit 1; }
done
export HOME="$work/home" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
mkdir -p "$HOME"
(cd "$HOME" && exec "$work/usr/bin/hakuro") &
pid=$!
for _ in $(seq 100); do
  [ -e "$XDG_DATA_HOME/hakuro/HAKURO将棋1.ini" ] && break
  sleep 0.1
done
sleep 1
kill -s TERM "$pid"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || { echo "the installed program ended with status $status"; exit 1; }
for f in HAKURO将棋1.ini 駒打音.wav 禁止.wav その他.wav BGM.wav; do
  [ -e "$XDG_DATA_HOME/hakuro/$f" ] || { echo "missing in the data folder: $f"; exit 1; }
done
[ -z "$(ls -A "$HOME")" ] || { echo "files landed in the home folder: $(ls -A "$HOME")"; exit 1; }
echo "installed, started from the launcher in $XDG_DATA_HOME/hakuro, ended on SIGTERM"
