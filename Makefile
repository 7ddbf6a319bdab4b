# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
.PHONY: deps build run test sanitize fuzz fuzz-smoke compilers format-check screenshot bench package clean

deps:
	@scripts/install-deps

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

run: build
	./build/src/app/orvandel

test: build
	ctest --preset default -j2

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	ctest --preset asan -j2

# The whole tree as a packager builds it (Release, -O3, GCC) and with clang,
# warnings as errors, so that no compiler- or optimisation-specific warning
# slips in.
compilers: deps
	@for preset in release-gcc clang; do \
	  cmake --preset $$preset >/dev/null && cmake --build --preset $$preset || exit 1; \
	done

# The tracked C++ sources as the repository's .clang-format writes them.
format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

# Each fuzz target for five minutes (FUZZ_SECONDS to change it).
FUZZ_SECONDS ?= 300
fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	fuzz/run-fuzzers $(FUZZ_SECONDS)

fuzz-smoke:
	$(MAKE) fuzz FUZZ_SECONDS=30

# Speed and memory: engine, window, start-up, and a batch of 100 000
# characters from the CLI.
bench: build
	./build/bench/engine_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	./build/bench/window_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	@/usr/bin/time -f "orvandel-cli generate --count 100000 --seed 1: %e s wall, %M KB peak" \
	  ./build/src/cli/orvandel-cli generate --count 100000 --seed 1 > /dev/null
	@/usr/bin/time -f "orvandel-cli generate --count 1000 --seed 1: %e s wall, %M KB peak" \
	  ./build/src/cli/orvandel-cli generate --count 1000 --seed 1 > /dev/null

# The Debian package, left in build/: sudo apt install ./build/orvandel_*.deb
package: build
	cd build && cpack -G DEB

screenshot: build
	QT_QPA_PLATFORM=offscreen ./build/src/app/orvandel-screenshot build/screenshot.png

clean:
	rm -rf build build-asan build-fuzz build-release-gcc build-clang
