# Thin wrapper over the CMake presets. Every target first installs any
# missing Debian packages (scripts/install-deps.sh).
.PHONY: all deps build run install uninstall package test test-fast asan bench fuzz mutants format check-format clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

run: build
	./build/bin/ondulix

# Both programs, the menu entry, the icons and the man pages under PREFIX
# (staged under DESTDIR when set).
PREFIX ?= /usr/local
install: build
	DESTDIR="$(DESTDIR)" cmake --install build --prefix "$(PREFIX)"

# Removes what the last `make install` put in place; your settings file stays.
uninstall:
	@test -f build/install_manifest.txt || { echo "nothing to uninstall: no build/install_manifest.txt" >&2; exit 1; }
	xargs -r -d '\n' rm -f -- < build/install_manifest.txt

# The Debian package: build/package/ondulix_VERSION_ARCH.deb
package: build
	@command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null || \
		{ echo "make package needs dpkg-deb and dpkg-shlibdeps: sudo apt-get install dpkg-dev" >&2; exit 1; }
	cd build && cpack -B package
	@ls build/package/*.deb

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
	./build/bench/bench_export --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
	./build/bench/bench_cursor --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
	./build/bench/bench_people --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	python3 bench/startup.py build/bench/startup_probe 40

# The settings and the contacts fuzzers for FUZZ_SECONDS each (clang,
# libFuzzer; in build-fuzz/).
FUZZ_SECONDS ?= 60
fuzz: deps
	bash tests/fuzz/run-fuzz.sh --target fuzz_settings --seconds $(FUZZ_SECONDS)
	bash tests/fuzz/run-fuzz.sh --target fuzz_contacts --seconds $(FUZZ_SECONDS)

# The suite against the planted faults of tests/mutation/mutants.txt, or against
# SAMPLE=N faults drawn from src/ with SEED=S (never in CI; about 20 s a fault).
# MUTANTS=3,7 runs only those.
mutants: deps
	python3 scripts/run-mutants.py $(if $(MUTANTS),--only $(MUTANTS)) \
		$(if $(SAMPLE),--sample $(SAMPLE) --seed $(or $(SEED),1))

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

check-format:
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-asan build-fuzz
