# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
.PHONY: deps build run test web web-serve sanitize fuzz fuzz-smoke compilers format-check screenshot bench package clean

deps:
	@scripts/install-deps

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

run: build
	./build/src/app/orvandel

# The suite includes the browser tests, which need the site and Playwright's
# runner (npm ci from the committed lockfile; Debian's Chromium, no browser
# download).
test: build web tests/web/node_modules/.package-lock.json
	ctest --preset default -j2

# The browser edition: a static site in build-web/site. Debian's Emscripten
# runs its optimiser with the system node, which finds Debian's acorn only
# through NODE_PATH.
web: deps
	@emcmake cmake --preset web >/dev/null
	@NODE_PATH=/usr/share/nodejs cmake --build --preset web

web-serve: web
	@echo "Orvandel: http://127.0.0.1:8080/"
	python3 -m http.server --bind 127.0.0.1 --directory build-web/site 8080

tests/web/node_modules/.package-lock.json: tests/web/package-lock.json
	cd tests/web && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund

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

# Speed and memory: engine, window, start-up, a roster of 1 000 characters,
# batches of characters from the CLI (plain, traced and replayed from the
# trace: the peak memory of the three should match), groups of characters
# to order, and the browser edition
# in headless Chromium.
bench: build web tests/web/node_modules/.package-lock.json
	./build/bench/engine_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	./build/bench/window_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	./build/bench/roster_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	@/usr/bin/time -f "orvandel-cli generate --count 100000 --seed 1: %e s wall, %M KB peak" \
	  ./build/src/cli/orvandel-cli generate --count 100000 --seed 1 > /dev/null
	@/usr/bin/time -f "orvandel-cli generate --count 1000 --seed 1: %e s wall, %M KB peak" \
	  ./build/src/cli/orvandel-cli generate --count 1000 --seed 1 > /dev/null
	@/usr/bin/time -f "orvandel-cli generate --count 1000000 --seed 1: %e s wall, %M KB peak" \
	  ./build/src/cli/orvandel-cli generate --count 1000000 --seed 1 > /dev/null
	@/usr/bin/time -f "the same with --trace-dice: %e s wall, %M KB peak" \
	  sh -c 'exec ./build/src/cli/orvandel-cli generate --count 1000000 --seed 1 --trace-dice 2> build/bench-trace.txt > /dev/null'
	@/usr/bin/time -f "its trace replayed with --dice-file: %e s wall, %M KB peak" \
	  ./build/src/cli/orvandel-cli generate --count 1000000 --dice-file build/bench-trace.txt > /dev/null
	@rm -f build/bench-trace.txt
	@/usr/bin/time -f "a group of 1000 Capitain (1.2 % of characters; budget 2 s): %e s wall, %M KB peak" \
	  ./build/src/cli/orvandel-cli generate --count 1000 --profession Capitain --seed 1 > /dev/null
	@/usr/bin/time -f "a search that gives up after 1000000 draws: %e s wall, %M KB peak" \
	  sh -c './build/src/cli/orvandel-cli generate --profession Guerrier --nationalite Ruskemal --seed 1 > /dev/null 2>&1; test $$? -eq 4'
	node bench/web_bench.mjs build-web/site

# The Debian package, left in build/: sudo apt install ./build/orvandel_*.deb
package: build
	cd build && cpack -G DEB

screenshot: build
	QT_QPA_PLATFORM=offscreen ./build/src/app/orvandel-screenshot build/screenshot.png

clean:
	rm -rf build build-asan build-fuzz build-release-gcc build-clang build-web tests/web/node_modules
