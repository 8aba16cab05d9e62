#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (AddressSanitizer and
# UndefinedBehaviorSanitizer on) in build-san, and runs each in turn.
# Usage: tools/run-fuzzers.sh [seconds per target] [target names...]
# Every target runs for the given time (default 600); new coverage is kept
# in build-san/corpus/<name>, crashes land in build-san/crashes/<name>.
# Copy a crash that you have mended to tests/fuzz/regressions/<name>/ so
# that the ordinary suite replays it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
shift || true

tools/install-deps.sh clang libclang-rt-14-dev
dir=build-san
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DKAMDEL_FUZZ=ON -DKAMDEL_BUILD_BENCH=OFF -DKAMDEL_WERROR=ON "${launcher[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc 2>/dev/null || echo 2)" --target kamdel_fuzz_targets

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for program in "$dir"/bin/fuzz_*; do
        targets+=("$(basename "$program" | sed 's/^fuzz_//')")
    done
fi

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false'

dictionary_of() {
    case $1 in
        document_*|items) echo tests/fuzz/dict/xml.dict ;;
        sequence) echo tests/fuzz/dict/sequence.dict ;;
        titxt) echo tests/fuzz/dict/titxt.dict ;;
        intelhex) echo tests/fuzz/dict/intelhex.dict ;;
        gif_import) echo tests/fuzz/dict/gif.dict ;;
    esac
}

failed=0
for name in "${targets[@]}"; do
    corpus=$dir/corpus/$name
    crashes=$dir/crashes/$name
    mkdir -p "$corpus" "$crashes"
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536
        -artifact_prefix="$crashes/" -print_final_stats=1)
    dict=$(dictionary_of "$name")
    [ -n "$dict" ] && options+=(-dict="$dict")
    # Building a document's widgets the first time caches fonts that the
    # system libraries never free, and their stacks are too short for the
    # suppressions; leaks of the readers are caught by the items target and
    # the sanitizer suite.
    case $name in document_*) options+=(-detect_leaks=0) ;; esac
    echo "== $name: ${seconds}s =="
    if ! "$dir/bin/fuzz_$name" "${options[@]}" "$corpus" "tests/fuzz/corpus/$name" 2>"$dir/$name.log"; then
        echo "!! $name failed; see $dir/$name.log and $crashes" >&2
        failed=1
    fi
    grep -E '^#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb' "$dir/$name.log" || true
done
exit $failed
