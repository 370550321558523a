#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: first
# every unit, widget and tool test, then the fuzz targets. The run fails when
# any of them fails; a fuzzer's crash report is printed whole.
set -uo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh || exit 1
# Optimised without debug information: the tests run the same code, and
# the build takes a good deal less time and disk.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" &&
  cmake --build build || exit 1

failed=()

echo "== unit, widget and tool tests"
(cd build && ctest --output-on-failure -j"$(nproc)") || failed+=("ctest")

# The fuzz targets, briefly, under AddressSanitizer (when clang is there).
if command -v clang++ >/dev/null 2>&1; then
  if cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
         -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
         -DTESSEL_BUILD_FUZZ=ON -DTESSEL_BUILD_GUI=OFF -DTESSEL_BUILD_TESTS=OFF -DTESSEL_BUILD_BENCH=OFF &&
     cmake --build build-fuzz --target fuzzers; then
    mkdir -p build-fuzz/crashes
    # Two fuzzers at a time, one per core of a small CI machine; the
    # results are printed afterwards, in order.
    run_fuzzer() {
      local name
      name=$(basename "$1")
      rm -f "build-fuzz/$name.failed"
      LSAN_OPTIONS="suppressions=$PWD/tests/fuzz/lsan.supp" "$1" -max_total_time="${TESSEL_FUZZ_SECONDS:-12}" -rss_limit_mb=2048 \
           -artifact_prefix=build-fuzz/crashes/"$name"- >"build-fuzz/$name.log" 2>&1 ||
        touch "build-fuzz/$name.failed"
    }
    export -f run_fuzzer
    fuzzers=()
    for fuzzer in build-fuzz/tests/fuzz/fuzz_*; do
      [ -f "$fuzzer" ] && [ -x "$fuzzer" ] && fuzzers+=("$fuzzer")
    done
    printf '%s\0' "${fuzzers[@]}" | xargs -0 -P 2 -I{} bash -c 'run_fuzzer "$1"' _ {}
    for fuzzer in "${fuzzers[@]}"; do
      name=$(basename "$fuzzer")
      log="build-fuzz/$name.log"
      echo "== $name"
      if [ ! -e "build-fuzz/$name.failed" ]; then
        # The run's summary (suppressed leaks, if any, are listed after it).
        grep -E '^Done [0-9]+ runs' "$log" | tail -n 1
      else
        # The whole report, without the progress lines that precede it.
        grep -v -E '^#[0-9]+[[:space:]]' "$log"
        failed+=("$name")
      fi
    done
  else
    failed+=("fuzz build")
  fi
else
  echo "== fuzz targets skipped: clang++ is not installed"
fi

if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "All tests passed."
