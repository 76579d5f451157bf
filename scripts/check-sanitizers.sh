#!/usr/bin/env bash
# The fault campaign's instrumented half: builds the game and its unit
# tests with clang under the address and undefined-behaviour sanitizers,
# runs the unit-test suite there, then runs every fuzz target for a bounded
# time, seeded from a copy of the corpus in tests/data and of the seeds in
# tests/fuzz/seeds. Any finding fails
# the run; a fuzz finding is kept as crash-* in the fuzz folder of
# BUILD_DIR. Everything it writes goes below BUILD_DIR, never into the
# sources.
#
#   scripts/check-sanitizers.sh [BUILD_DIR] [FUZZ_SECONDS]
#
# BUILD_DIR defaults to build-sanitize, FUZZ_SECONDS to 30 (each target;
# they run side by side). The test suite runs this as the test
# "sanitizers"; run it by hand with more seconds to fuzz longer.
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(realpath -m "${1:-$source_dir/build-sanitize}")
seconds=${2:-30}
jobs=$(nproc)

# Inside a git checkout, a BUILD_DIR among the sources must be one git
# ignores, so that nothing written here can be committed with them.
if [[ $build_dir/ == "$source_dir"/* ]] && git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1 \
    && ! git -C "$source_dir" check-ignore -q "$build_dir"; then
    echo "$build_dir is among the sources and not ignored by git: choose another BUILD_DIR" >&2
    exit 2
fi

# Stop at the first finding of any kind, leaks included. Clang 14's leak
# checker misreads glibc 2.36's blocks of thread-local storage that it
# learns of through __tls_get_addr, and its tracer then crashes at exit
# ("Tracer caught signal 11") after every check has passed: it is told not
# to intercept that call, and still scans every thread's stack and static
# thread-local storage.
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:intercept_tls_get_addr=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# A crash is reported by the sanitizer; Qt Test need not start a debugger.
export QTEST_DISABLE_STACK_DUMP=1

echo "== Sanitizer build in $build_dir"
cmake -S "$source_dir" -B "$build_dir" \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" \
    -DCHROMALAND_SANITIZE=ON -DCHROMALAND_FUZZ=ON -DCHROMALAND_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j"$jobs"

echo "== Unit tests under the sanitizers"
# The end-to-end tests drive the uninstrumented-looking real program through
# X; they run in the normal build.
ctest --test-dir "$build_dir" --output-on-failure -LE "e2e|pkg" -j"$jobs"

echo "== Fuzzing, $seconds s for each target"
fuzz_dir=$build_dir/fuzz-runs
mkdir -p "$fuzz_dir"
# Each target's seeds: the corpus of tests/data and, in tests/fuzz/seeds,
# inputs found by earlier runs that reach code the corpus does not.
declare -A seeds=(
    [fuzz_character]=$source_dir/tests/data/characters
    [fuzz_picture]=$source_dir/tests/data/pictures
    [fuzz_caption]=$source_dir/tests/data/characters
    [fuzz_history]=$source_dir/tests/data/history
)
declare -A more_seeds=(
    [fuzz_picture]=$source_dir/tests/fuzz/seeds/picture
    [fuzz_caption]=$source_dir/tests/fuzz/seeds/caption
)
declare -A extra=([fuzz_caption]=-dict=$source_dir/tests/fuzz/caption.dict)
declare -A pids=()
for target in "${!seeds[@]}"; do
    # libFuzzer adds new inputs to the folder it is given: a copy of the
    # seeds, so that the committed corpus is never among its folders.
    mkdir -p "$fuzz_dir/$target"
    cp -R "${seeds[$target]}/." "$fuzz_dir/$target/"
    [[ -z ${more_seeds[$target]:-} ]] || cp -R "${more_seeds[$target]}/." "$fuzz_dir/$target/"
    (cd "$fuzz_dir" && exec "$build_dir/tests/fuzz/$target" "$fuzz_dir/$target" ${extra[$target]:-} \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$fuzz_dir/$target-") >"$fuzz_dir/$target.log" 2>&1 &
    pids[$target]=$!
done
failed=0
for target in "${!pids[@]}"; do
    if wait "${pids[$target]}"; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$fuzz_dir/$target.log")
        echo "PASS: $target, ${runs:-?} inputs in $seconds s"
    else
        echo "FAIL: $target found a fault (its input is in $fuzz_dir/$target-*):"
        tail -n 60 "$fuzz_dir/$target.log"
        failed=1
    fi
done
exit "$failed"
