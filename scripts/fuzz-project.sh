#!/bin/sh
# Builds the fuzz targets of tests/fuzz/ with clang, AddressSanitizer and UBSan in build-fuzz/
# and runs each in turn for the given number of seconds (default 60): the project decoder,
# the round trip of decode, encode and decode, and the lens names.
# Inputs a target finds interesting collect in build-fuzz/corpus/TARGET/, faults in
# build-fuzz/findings/ (copy each into the target's seeds in tests/fuzz/seeds/, so that every
# test run replays it). Needs clang and libclang-rt-14-dev (apt-get install clang
# libclang-rt-14-dev); the normal build does not.
set -eu
seconds=${1:-60}
case $seconds in
'' | *[!0-9]*)
    echo "usage: $0 [seconds]" >&2
    exit 2
    ;;
esac
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seeds="$root/tests/fuzz/seeds"

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZIDOV_FUZZ=ON -DZIDOV_SANITIZE=ON
cmake --build "$build" --parallel 2 \
    --target fuzz_projectdecoder fuzz_projectroundtrip fuzz_lensname

export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
mkdir -p "$build/findings"
# target, seed folder, longest input, further options
run() {
    target=$1 folder=$2 longest=$3
    shift 3
    mkdir -p "$build/corpus/$target"
    echo "== $target: $seconds s"
    "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len="$longest" \
        -print_final_stats=1 -artifact_prefix="$build/findings/$target-" "$@" \
        "$build/corpus/$target" "$seeds/$folder"
}
run projectdecoder projects 4096 -dict="$root/tests/fuzz/project.dict"
run projectroundtrip projects 4096 -dict="$root/tests/fuzz/project.dict"
run lensname lens-names 512
