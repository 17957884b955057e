#!/usr/bin/env bash
# The program ends on SIGTERM and SIGINT as when its window is closed: at once, with exit status
# 0, its settings file intact; also while its start-up message box (no sound device) is open.
# Given the think probe (the real window with level 5 thinking until it is ended), it also times
# SIGTERM, Esc, 終わり and closing the window during the search, and how soon the process has
# ended after its window is closed, idle and while the computer thinks.
set -uo pipefail
program=$(realpath "$1") rundir=$(realpath "$2") probe=${3:+$(realpath "$3")}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$rundir"/*.wav "$work"/
export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME="$work"  # the window's own settings

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

# Milliseconds since the epoch.
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# The probe's search runs until the program ends; SIGTERM must end it well within a second (it
# takes a few milliseconds: the search looks at its stop flag every 256 nodes).
ends_while_thinking() {
  local out="$work/probe.out"
  (cd "$work" && SDL_AUDIODRIVER=dummy exec "$probe") > "$out" &
  local pid=$!
  for _ in $(seq 100); do grep -q thinking "$out" 2>/dev/null && break; sleep 0.1; done
  grep -q thinking "$out" || { echo "the probe did not start thinking"; kill -s KILL "$pid"; return 1; }
  sleep 0.3
  local start; start=$(now_ms)
  kill -s TERM "$pid"
  wait "$pid"
  local status=$? took=$(( $(now_ms) - start ))
  echo "SIGTERM while level 5 thinks: the program ended in $took ms"
  [ "$status" -eq 0 ] || { echo "SIGTERM while thinking: exit status $status"; return 1; }
  [ "$took" -lt 1000 ] || { echo "SIGTERM while thinking: $took ms"; return 1; }
  for how in esc owari close; do
    (cd "$work" && SDL_AUDIODRIVER=dummy timeout 10 "$probe" "$how") > "$out" ||
      { echo "$how while thinking: exit status $?"; return 1; }
    grep "ended the program" "$out"
  done
}

# Closing the window ends the process within 0.3 s (it takes some 20 ms: the sound device is left
# for the process's end to close). The check allows twice that for a loaded machine.
closes_promptly() {
  local how=$1 out="$work/close.out"
  (cd "$work" && SDL_AUDIODRIVER=dummy timeout 10 "$probe" "$how") |
    while IFS= read -r line; do echo "$(now_ms) $line"; done > "$out"
  local ended; ended=$(now_ms)
  local asked; asked=$(awk '$2 == "closing" { print $1 }' "$out")
  [ -n "$asked" ] || { echo "$how: the window was not closed"; return 1; }
  local took=$(( ended - asked ))
  echo "$how: the process ended $took ms after its window was closed"
  [ "$took" -lt 600 ] || { echo "$how: the process took $took ms to end"; return 1; }
}

failed=0
if [ -n "$probe" ]; then
  ends_while_thinking || failed=1
  closes_promptly idle-close || failed=1
  closes_promptly close || failed=1
fi
ends_on TERM dummy || failed=1
ends_on INT dummy || failed=1
ends_on TERM no-such-driver || failed=1
grep -q "BGM=" "$work/HAKURO将棋1.ini" || { echo "the settings file is damaged"; failed=1; }
[ $failed -eq 0 ] && echo "the program ends on SIGTERM and SIGINT"
exit $failed
