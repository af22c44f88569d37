#!/usr/bin/env bash
# Builds a fuzzer with clang in build-fuzz/ and runs it over its seed corpus:
# run-fuzz.sh [--target fuzz_settings|fuzz_contacts] --runs N | --seconds N. Exits 77
# (a skip for ctest) without clang. A crash lands in build-fuzz/crash-*: fix it, then
# add the input to the target's corpus (tests/fuzz/corpus, tests/fuzz/contacts).
set -euo pipefail
top="$(cd "$(dirname "$0")/../.." && pwd)"
build="$top/build-fuzz"
target=fuzz_settings
[[ "${1:-}" == --target ]] && { target="$2"; shift 2; }
seeds="$top/tests/fuzz/corpus"
[[ "$target" == fuzz_contacts ]] && seeds="$top/tests/fuzz/contacts"
command -v clang++ >/dev/null || { echo "$target: skipped, no clang++"; exit 77; }
[[ "${1:-}" == --seconds ]] && limit="-max_total_time=${2:-60}" || limit="-runs=${2:-20000}"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DONDULIX_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target "$target" >/dev/null
mkdir -p "$build/corpus-$target"
ASAN_OPTIONS=detect_leaks=0 "$build/tests/fuzz/$target" "$limit" -max_len=4096 \
    -artifact_prefix="$build/$target-" "$build/corpus-$target" "$seeds"
