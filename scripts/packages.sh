#!/usr/bin/env bash
# Installs the Debian packages that are not there yet (with sudo when not root): those that
# building and running the program need; with --test, also those of the tests, the benchmarks,
# the fuzzers and the package checks.
set -euo pipefail
packages=(g++ cmake make pkg-config qt6-base-dev libsdl2-mixer-dev fonts-ipafont-gothic
          qt6-tools-dev qt6-l10n-tools              # lrelease and its CMake package: the English
          qt6-translations-l10n)                    # Qt's own dialogs and buttons in Japanese
if [ "${1-}" = --test ]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev
             clang-14 libclang-rt-14-dev            # the fuzzers: clang and its runtimes
             clang-format                           # the sources' layout (.clang-format)
             dpkg-dev file                          # cpack: the dependencies of the binary
             lintian appstream desktop-file-utils)  # the checks of the package
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
