#!/bin/sh
# Builds the project file decoder's fuzzer with clang, AddressSanitizer and UBSan in
# build-fuzz/ and runs it for the given number of seconds (default 60).
# Inputs it finds interesting collect in build-fuzz/fuzz-corpus/, crashing ones in
# build-fuzz/findings/. Needs clang and libclang-rt-14-dev; the normal build does not.
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

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZIDOV_FUZZ=ON -DZIDOV_SANITIZE=ON
cmake --build "$build" --target fuzz_projectdecoder --parallel 2

mkdir -p "$build/fuzz-corpus" "$build/findings"
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
exec "$build/tests/fuzz/fuzz_projectdecoder" \
    -max_total_time="$seconds" -max_len=400 -print_final_stats=1 \
    -dict="$root/tests/fuzz/project.dict" \
    -artifact_prefix="$build/findings/" \
    "$build/fuzz-corpus" "$root/tests/fuzz/seeds"
