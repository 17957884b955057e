#!/usr/bin/env bash
# Sets up what is missing, checks the sources' layout, builds, and runs every test: once in a normal build, whose Debian
# package is then built and checked, and once in a build with the address and undefined-behaviour
# sanitizers; then the window's tests that think on a thread under the thread sanitizer; then
# runs each fuzzer for a while.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/packages.sh --test
scripts/format-check.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHAKURO_TESTS=ON -DHAKURO_BENCH=ON > /dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")
scripts/package-test.sh build

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DHAKURO_SANITIZE=ON -DHAKURO_BENCH=OFF \
      > /dev/null
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j"$jobs")
unset ASAN_OPTIONS LSAN_OPTIONS

# The window's search thread, its stop flag and the result handed back, under ThreadSanitizer.
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHAKURO_TSAN=ON -DHAKURO_BENCH=OFF \
      > /dev/null
cmake --build build-tsan -j"$jobs" --target hakuro_qt_tests hakuro-waves
(cd build-tsan/run && TSAN_OPTIONS="halt_on_error=1 suppressions=$PWD/../../scripts/tsan.supp" \
   ../tests/hakuro_qt_tests --gtest_filter='ThinkingWindowTest.*:E2eTest.GamesAgainstTheComputer*')

# The fuzzers, built with clang, run side by side from their seeds (the record loader for a
# minute, the others for 20 seconds); a crash, a leak or a run of over 10 seconds fails. What
# they find stays in build-fuzz/corpus/.
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DHAKURO_FUZZ=ON -DHAKURO_GUI=OFF \
      -DHAKURO_BENCH=OFF > /dev/null
cmake --build build-fuzz -j"$jobs" --target hakuro_fuzzers
mkdir -p build-fuzz/artifacts
fuzzers=(settings wave record kif sfen)
pids=()
for name in "${fuzzers[@]}"; do
  mkdir -p "build-fuzz/corpus/$name"
  seconds=20
  [ "$name" = record ] && seconds=60
  "build-fuzz/tests/fuzz/fuzz_$name" -max_total_time=$seconds -timeout=10 -max_len=4096 \
    -artifact_prefix="$PWD/build-fuzz/artifacts/$name-" \
    "build-fuzz/corpus/$name" "tests/fuzz/corpus/$name" > "build-fuzz/fuzz-$name.log" 2>&1 &
  pids+=($!)
done
failed=0
for i in "${!fuzzers[@]}"; do
  name=${fuzzers[$i]}
  if wait "${pids[$i]}"; then
    echo "fuzz_$name: $(grep -o 'Done [0-9]* runs' "build-fuzz/fuzz-$name.log")"
  else
    tail -n 40 "build-fuzz/fuzz-$name.log"
    echo "fuzz_$name failed; its input is in build-fuzz/artifacts/"
    failed=1
  fi
done
exit $failed
