#!/usr/bin/env bash
# Builds the settings fuzzer with clang in build-fuzz/ and runs it over the seed corpus:
# run-fuzz.sh --runs N | --seconds N. Exits 77 (a skip for ctest) without clang. A crash
# lands in build-fuzz/crash-*: fix it, then add the input to tests/fuzz/corpus.
set -euo pipefail
top="$(cd "$(dirname "$0")/../.." && pwd)"
build="$top/build-fuzz"
command -v clang++ >/dev/null || { echo "fuzz_settings: skipped, no clang++"; exit 77; }
[[ "${1:-}" == --seconds ]] && limit="-max_total_time=${2:-60}" || limit="-runs=${2:-20000}"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DONDULIX_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target fuzz_settings >/dev/null
mkdir -p "$build/corpus"
ASAN_OPTIONS=detect_leaks=0 "$build/tests/fuzz/fuzz_settings" "$limit" -max_len=4096 \
    -artifact_prefix="$build/" "$build/corpus" "$top/tests/fuzz/corpus"
