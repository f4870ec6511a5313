#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite; then the core's tests once
# more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh test
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DBRELVAN_GUI=OFF -DBRELVAN_SANITIZE=ON \
    -DBRELVAN_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j "$jobs")

# The fuzz harnesses, each for a short fixed time, where clang is at hand.
if command -v clang++ >/dev/null 2>&1; then
    cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DBRELVAN_FUZZ=ON -DBRELVAN_GUI=OFF -DBRELVAN_BENCH=OFF >/dev/null
    cmake --build build-fuzz -j "$jobs" --target fuzz_case_file fuzz_pressure_line \
        fuzz_measurement_file fuzz_aus_txt fuzz_batch_options
    tests/fuzz/run.sh build-fuzz "${BRELVAN_FUZZ_SECONDS:-20}"
fi
