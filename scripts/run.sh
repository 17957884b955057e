#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the program in its run folder (build/run), which
# holds the wave files, the settings file and the game records.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/packages.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DHAKURO_TESTS=OFF -DHAKURO_BENCH=OFF > /dev/null
cmake --build build -j"$(nproc)" --target hakuro
cd build/run
exec ./../hakuro "$@"
