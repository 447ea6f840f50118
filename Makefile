# Each target does its own set-up, so a fresh Debian 12 machine needs nothing else.
.PHONY: deps run test asan format bench screenshots

SKIN ?= examples/sonnengelb-15/sonnengelb.lkv
FORMAT_FILES = $(shell git ls-files --cached --others --exclude-standard '*.cpp' '*.h' 2>/dev/null)

deps:
	@bash tools/install-deps.sh

build/default/build.ninja: | deps
	cmake --preset default

run: deps build/default/build.ninja
	cmake --build --preset default --target velmor
	./build/default/velmor "$(SKIN)"

test: deps build/default/build.ninja
	cmake --build --preset default
	ctest --preset default

asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

screenshots: deps build/default/build.ninja
	cmake --build --preset default --target velmor_make_screenshots
	QT_QPA_PLATFORM=offscreen ./build/default/tools/screenshots/velmor_make_screenshots $(SKIN) docs

format: deps
	clang-format -i $(FORMAT_FILES)

bench: deps
	cmake --preset release
	cmake --build --preset release
	./build/release/bench/velmor_bench
	./build/release/bench/velmor_bench_editor
