#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

# The fuzz targets, briefly, under AddressSanitizer (when clang is there).
if command -v clang++ >/dev/null 2>&1; then
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTESSEL_BUILD_FUZZ=ON -DTESSEL_BUILD_GUI=OFF -DTESSEL_BUILD_TESTS=OFF -DTESSEL_BUILD_BENCH=OFF
  cmake --build build-fuzz
  for fuzzer in build-fuzz/tests/fuzz/fuzz_*; do
    [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
    echo "== $(basename "$fuzzer")"
    "$fuzzer" -max_total_time="${TESSEL_FUZZ_SECONDS:-20}" -rss_limit_mb=4096 2>&1 | tail -n 3
  done
fi

# Last, every unit, widget and tool test.
(cd build && ctest --output-on-failure -j"$(nproc)")
