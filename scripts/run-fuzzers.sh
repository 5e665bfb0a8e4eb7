#!/bin/sh
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a few seconds on a
# copy of its seed corpus, so that the corpus in the repository stays as it is. Fails on the
# first crash or sanitizer report, and leaves the input that caused it in build-fuzz/artifacts/.
set -eu
cd "$(dirname "$0")/.."

build=${FUZZ_BUILD_DIR:-build-fuzz}
seconds=${FUZZ_SECONDS:-10}
targets="fuzz_code_page fuzz_records fuzz_private_profile fuzz_state_file"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DQUMAT_BUILD_FUZZERS=ON -DQUMAT_BUILD_TESTS=OFF -DQUMAT_BUILD_BENCHMARKS=OFF >/dev/null
# shellcheck disable=SC2086
cmake --build "$build" --target $targets

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$build/artifacts"
for target in $targets; do
    cp -r "fuzz/corpus/$target" "$work/$target"
    if ! "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target-" "$work/$target" >"$work/$target.log" 2>&1; then
        cat "$work/$target.log" >&2
        echo "$target: failed; the input is in $build/artifacts/" >&2
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log")
    echo "$target: $runs runs in ${seconds}s, no crash"
done
