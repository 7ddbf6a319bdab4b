# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
.PHONY: deps build run test clean

deps:
	@scripts/install-deps

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

run: build
	./build/src/cli/orvandel-cli generate --format text

test: build
	ctest --preset default -j2

clean:
	rm -rf build
