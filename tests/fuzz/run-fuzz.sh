#!/usr/bin/env bash
# Builds the settings fuzzer with clang (in build-fuzz/) and runs it over the
# seed corpus: run-fuzz.sh [--runs N | --seconds N]. Exits 77 (a skip for
# ctest) without clang. New inputs go to build-fuzz/corpus, a crash to
# build-fuzz/crash-*: fix it and add the input to tests/fuzz/corpus.
set -euo pipefail
top="$(cd "$(dirname "$0")/../.." && pwd)"
build="$top/build-fuzz"
if ! command -v clang++ >/dev/null; then
    echo "fuzz_settings: skipped, clang++ is not installed (scripts/install-deps.sh installs it)"
    exit 77
fi
case "${1:---runs}" in
    --runs) limit=(-runs="${2:-20000}") ;;
    --seconds) limit=(-max_total_time="${2:-60}") ;;
    *) echo "usage: run-fuzz.sh [--runs N | --seconds N]" >&2; exit 2 ;;
esac
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DONDULIX_FUZZ=ON >/dev/null
cmake --build "$build" --target fuzz_settings >/dev/null
mkdir -p "$build/corpus"
ASAN_OPTIONS=detect_leaks=0 "$build/tests/fuzz/fuzz_settings" "${limit[@]}" -max_len=4096 \
    -artifact_prefix="$build/" -print_final_stats=1 "$build/corpus" "$top/tests/fuzz/corpus"
