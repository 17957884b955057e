#!/usr/bin/env bash
# Installs the Debian packages the build needs that are not there yet (with sudo when not root).
set -euo pipefail
packages=(g++ cmake make pkg-config qt6-base-dev libsdl2-mixer-dev fonts-ipafont-gothic
          libgtest-dev libgmock-dev libbenchmark-dev
          clang-14 libclang-rt-14-dev)  # the fuzzers: clang and its sanitizer and fuzzer runtimes
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
