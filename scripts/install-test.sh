#!/usr/bin/env bash
# Tests the installed program as a user meets it:
#   install-test.sh BUILD        installs the build into a scratch prefix first;
#   install-test.sh --root ROOT  takes a tree where the package was unpacked (ROOT/usr/…).
# Every file is where it belongs; the USI engine answers `usi`; --help and --version print
# without a display or a data folder; started from the launcher, the program makes its folder
# in the data directory, puts the wave files there, runs in it and ends on SIGTERM.
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ "$1" = --root ]; then
  usr=$(realpath "$2")/usr
else
  usr=$work/usr
  cmake --install "$(realpath "$1")" --prefix "$usr" > /dev/null || { echo "install failed"; exit 1; }
fi
for f in games/hakuro games/hakuro-usi games/hakuro-analyse lib/games/hakuro/hakuro \
         share/games/hakuro/BGM.wav \
         share/applications/org.hakurokaisen.hakuro.desktop \
         share/metainfo/org.hakurokaisen.hakuro.metainfo.xml \
         share/icons/hicolor/256x256/apps/hakuro.png share/man/man6/hakuro.6.gz \
         share/man/man6/hakuro-usi.6.gz share/man/man6/hakuro-analyse.6.gz \
         share/doc/hakuro/copyright share/doc/hakuro/changelog.gz; do
  [ -e "$usr/$f" ] || { echo "not installed: $f"; exit 1; }
done

answer=$(printf 'usi\nquit\n' | "$usr/games/hakuro-usi")
[[ "$answer" == *usiok* ]] || { echo "hakuro-usi did not answer usi: '$answer'"; exit 1; }
printf '手合割：平手\r\n1 ７六歩(77)\r\n' > "$work/game.kifu"
answer=$("$usr/games/hakuro-analyse" "$work/game.kifu" --nodes 1000)
[[ "$answer" == "1 ▲７六歩 "* ]] || { echo "hakuro-analyse did not judge the move: '$answer'"; exit 1; }

export HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy
mkdir -p "$HOME"
launcher="$usr/games/hakuro"

# Printing needs no window system: no display and no Qt platform are given here.
for option in --help --version "--lang en --help"; do
  out=$(cd "$HOME" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$launcher" $option)
  status=$?
  [ "$status" -eq 0 ] && [ -n "$out" ] || { echo "hakuro $option: status $status, '$out'"; exit 1; }
done
[ ! -e "$XDG_DATA_HOME" ] || { echo "printing the help or the version made the data folder"; exit 1; }
(cd "$HOME" && "$launcher" --no-such-option 2> /dev/null)
status=$?
[ "$status" -eq 2 ] || { echo "hakuro --no-such-option: status $status, not 2"; exit 1; }

export QT_QPA_PLATFORM=offscreen
(cd "$HOME" && exec "$launcher") &
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
[ -e "$XDG_CONFIG_HOME/hakuro/hakuro.conf" ] || { echo "the window kept no settings"; exit 1; }
[ -z "$(ls -A "$HOME")" ] || { echo "files landed in the home folder: $(ls -A "$HOME")"; exit 1; }
echo "installed in $usr; started from the launcher in $XDG_DATA_HOME/hakuro, ended on SIGTERM"
