#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it as Debian and the software centres
# would: lintian (no error or warning), the AppStream metadata and the desktop entry of the
# unpacked tree, one version throughout; then unpacks it into a scratch root and starts the
# program from there.
set -euo pipefail
build=$(realpath "$1")
scripts=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" > "$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(echo "$work"/out/hakuro_*.deb)
echo "built $(basename "$deb")"

# Errors and warnings fail; what lintian says at the info level is shown.
lintian --fail-on error,warning --display-info "$deb" 2> /dev/null || {
  echo "lintian rejects the package (above)"; exit 1; }

root=$work/root
dpkg-deb -x "$deb" "$root"
appstreamcli validate-tree --no-net "$root" > "$work/appstream.log" || {
  cat "$work/appstream.log"; echo "the AppStream metadata has faults (above)"; exit 1; }
desktop=$(desktop-file-validate "$root"/usr/share/applications/*.desktop 2>&1)
[ -z "$desktop" ] || { echo "$desktop"; echo "the desktop entry has faults (above)"; exit 1; }

# The package, the changelog, the metadata's newest release, the manual page and the program
# agree on the version.
version=$(dpkg-deb -f "$deb" Version)
zcat "$root/usr/share/doc/hakuro/changelog.gz" > "$work/changelog"
changelog=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
release=$(grep -o -m 1 '<release version="[^"]*"' "$root"/usr/share/metainfo/*.xml | cut -d'"' -f2)
manual=$(zcat "$root/usr/share/man/man6/hakuro.6.gz" | sed -n 's/^\.TH .*"hakuro \([^"]*\)".*/\1/p')
program=$("$root/usr/games/hakuro" --version | grep -o '[0-9][0-9.]*$') || true
for v in "$changelog" "$release" "$manual" "$program"; do
  [ "$v" = "$version" ] || {
    echo "versions differ: package $version, changelog $changelog, metainfo $release," \
         "manual page $manual, hakuro --version $program"
    exit 1
  }
done

"$scripts/install-test.sh" --root "$root"
