# Quick start: `make run` starts Lexitally under Wine, `make test` builds and tests everything.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
# `make fuzz FUZZ_SECONDS=600` runs every fuzzer for that long.
FUZZ_SECONDS ?= 60
# The compiler cache hashes paths below the checkout relative to it, so that a
# clone in another folder (a CI run) reuses what an earlier build compiled.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := true

.PHONY: all setup run test tools bench bench-repaint fuzz format clean native win64 win32

all: native win64 win32

setup:
	@scripts/setup

native: setup
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j $(JOBS)

win64: setup
	@scripts/build-deps x86_64-w64-mingw32
	@cmake --preset win64 >/dev/null
	@cmake --build --preset win64 -j $(JOBS)

win32: setup
	@scripts/build-deps i686-w64-mingw32
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32 -j $(JOBS)

run: win64
	@scripts/run-app build/win64/bin/lexitally.exe

test: native win64 win32
	@status=0; \
	echo "== native"; ctest --preset native || status=1; \
	echo "== win64 (under Wine)"; scripts/wine-session build/wine/test ctest --preset win64 || status=1; \
	echo "== fuzz (smoke)"; { cmake --preset fuzz >/dev/null && cmake --build --preset fuzz -j $(JOBS) && \
	  scripts/run-fuzzers build/fuzz 10; } || status=1; \
	exit $$status

# Optimised, without sanitizers: the build users run (the sanitizer build is the tests').
tools: setup
	@cmake --preset tools >/dev/null
	@cmake --build --preset tools -j $(JOBS)

# Measurements on generated corpora (made once into build/bench/), with peers
# on the same files; prints a table of times and their ratio to `wc -w`.
bench: tools
	@cmake --build --preset tools -j $(JOBS) --target make-corpus lexitally-bench
	@bench/run build/tools build/bench

# The main window repainted with the skin on and off, under Wine: the time of
# each, their ratio, and the same per kind of control.
bench-repaint: win64
	@scripts/wine-session build/wine/bench scripts/wine-run build/win64/bin/repaint-bench.exe

fuzz: setup
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@scripts/run-fuzzers build/fuzz $(FUZZ_SECONDS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
