#!/usr/bin/env bash
# Builds the project twice (plain with g++, then with clang under
# AddressSanitizer and UndefinedBehaviorSanitizer) with warnings as errors,
# and runs the whole test suite on each build; then runs every fuzz target
# briefly.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh srecord
jobs=$(nproc 2>/dev/null || echo 2)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# run_suite DIR [CMAKE OPTIONS...]; CTEST_ARGS adds arguments to ctest.
run_suite() {
    local dir=$1; shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAMDEL_WERROR=ON "${launcher[@]}" "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    (cd "$dir" && ctest --output-on-failure -j "$jobs" ${CTEST_ARGS:-})
}

echo "== Plain build =="
run_suite build

# One clang build serves both the sanitized suite and the fuzz targets
# (build-san): everything under AddressSanitizer and UndefinedBehaviorSanitizer,
# instrumented for libFuzzer's coverage. In it the fuzz targets take the place
# of the tests that replay their seeds.
echo "== Sanitizer build (clang: address, undefined) =="
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
# The package is checked once, on the plain build: packing sanitized
# programs tells nothing more.
CTEST_ARGS="-LE package" run_suite build-san -DCMAKE_CXX_COMPILER=clang++ -DKAMDEL_FUZZ=ON \
    -DKAMDEL_BUILD_BENCH=OFF

# Every fuzz target for six seconds, under a minute in all: enough to catch
# a reader that crashes on its seeds or close to them.
echo "== Fuzz targets (short run) =="
tools/run-fuzzers.sh 6
