#!/usr/bin/env bash
# The program ends on SIGTERM and SIGINT as when its window is closed: at once, with exit status
# 0, its settings file intact; also while its start-up message box (no sound device) is open.
set -uo pipefail
program=$(realpath "$1") rundir=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$rundir"/*.wav "$work"/
export QT_QPA_PLATFORM=offscreen

# Starts the program, sends the signal once it is up, and waits at most ten seconds.
ends_on() {
  local signal=$1 driver=$2
  (cd "$work" && SDL_AUDIODRIVER=$driver exec "$program") &
  local pid=$!
  sleep 2
  kill -s "$signal" "$pid"
  for _ in $(seq 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid"
      local status=$?
      [ "$status" -eq 0 ] || { echo "SIG$signal ($driver): exit status $status"; return 1; }
      return 0
    fi
    sleep 0.1
  done
  kill -s KILL "$pid"
  echo "SIG$signal ($driver): still running after ten seconds"
  return 1
}

failed=0
ends_on TERM dummy || failed=1
ends_on INT dummy || failed=1
ends_on TERM no-such-driver || failed=1
grep -q "BGM=" "$work/HAKURO将棋1.ini" || { echo "the settings file is damaged"; failed=1; }
[ $failed -eq 0 ] && echo "the program ends on SIGTERM and SIGINT"
exit $failed
