# Thin wrapper over the CMake presets. Every target first installs any
# missing Debian packages (scripts/install-deps.sh).
.PHONY: all deps build run test test-fast asan bench fuzz format check-format clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

run: build
	./build/bin/ondulix

# The whole suite, in the optimised build and again under the address and
# undefined-behaviour sanitizers.
test: test-fast asan

test-fast: build
	ctest --preset default

asan: deps
	@cmake --preset debug-asan >/dev/null
	@cmake --build --preset debug-asan
	ctest --preset debug-asan

bench: build
	./build/bench/bench_chart --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
	./build/bench/bench_settings --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	python3 bench/startup.py build/bench/startup_probe 40

# The settings fuzzer for FUZZ_SECONDS (clang, libFuzzer; in build-fuzz/).
FUZZ_SECONDS ?= 60
fuzz: deps
	bash tests/fuzz/run-fuzz.sh --seconds $(FUZZ_SECONDS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

check-format:
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-asan build-fuzz
