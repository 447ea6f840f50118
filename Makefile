# Each target does its own set-up, so a fresh Debian 12 machine needs nothing else.
.PHONY: deps run test asan format bench screenshots fuzz install package icons windows \
	windows-check translations

SKIN ?= examples/sonnengelb-15/sonnengelb.lkv
PREFIX ?= $(HOME)/.local
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = fuzz_initext fuzz_profilereader fuzz_skinsave fuzz_skincheck fuzz_pictureloader fuzz_unpack fuzz_pack
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
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1.5 \
	    ./build/default/tools/screenshots/velmor_make_screenshots $(SKIN) docs

format: deps
	clang-format -i $(FORMAT_FILES)

# Installs the optimised program with its menu entry, icon, file type and manual page
# under PREFIX, then brings the desktop's caches of menu entries and file types up to
# date where their tools are installed, so that "open with" knows skins at once.
build/package/build.ninja: | deps
	cmake --preset package

install: deps build/package/build.ninja
	cmake --build --preset package
	cmake --install build/package --prefix "$(PREFIX)"
	@if command -v update-desktop-database >/dev/null; then \
	    update-desktop-database "$(PREFIX)/share/applications"; fi
	@if command -v update-mime-database >/dev/null; then \
	    update-mime-database "$(PREFIX)/share/mime"; fi

# The same build as a Debian package: build/package/velmor_<version>_<arch>.deb.
package: deps build/package/build.ninja
	cmake --build --preset package
	cpack --preset package

# The PNG icons are committed, so that no build needs an SVG renderer; after a change
# of the SVG this renders them again.
ICON_SVG = data/icons/example.velmor.Velmor.svg
# Windows takes one .ico with the sizes Explorer draws, the largest as PNG.
ICON_ICO = data/icons/velmor.ico
icons:
	@bash tools/install-deps.sh icons
	for size in 48 64 128 256; do \
	    rsvg-convert -w $$size -h $$size $(ICON_SVG) \
	        -o data/icons/$${size}x$${size}/example.velmor.Velmor.png; \
	done
	tmp=$$(mktemp -d) && \
	for size in 16 24 32; do rsvg-convert -w $$size -h $$size $(ICON_SVG) -o $$tmp/$$size.png; done && \
	icotool -c -o $(ICON_ICO) $$tmp/16.png $$tmp/24.png $$tmp/32.png \
	    data/icons/48x48/example.velmor.Velmor.png -r data/icons/256x256/example.velmor.Velmor.png && \
	rm -rf $$tmp

# Brings the English catalogue up to date with the texts in the code: new texts arrive
# unfinished, texts gone from the code are dropped. Translate them in Qt Linguist or by
# hand; the test velmor_translations fails while any is unfinished.
LUPDATE = /usr/lib/qt6/bin/lupdate
TRANSLATED_SOURCES = app editor platform update
translations: deps
	$(LUPDATE) -no-obsolete -locations none -I . $(TRANSLATED_SOURCES) -ts translations/velmor_en.ts

bench: deps
	cmake --preset release
	cmake --build --preset release
	./build/release/bench/velmor_bench
	./build/release/bench/velmor_bench_editor
	./build/release/bench/velmor_bench_floor
	./build/release/bench/velmor_bench_bars
	./build/release/bench/velmor_bench_huge

# Each fuzz target first runs the inputs that once made it fail, then fuzzes on a copy
# of its seed corpus, so the committed corpus only grows when someone merges new inputs
# into it on purpose: for FUZZ_SECONDS with a fresh seed each time, or, when FUZZ_RUNS
# is given, for that many inputs from a fixed seed, which repeats the same run on every
# machine (CI does this, so that its verdict depends on the commit alone). Findings land
# in build/fuzz/findings; a failure prints the report from its first line.
FUZZ_LIMIT = $(if $(FUZZ_RUNS),-runs=$(FUZZ_RUNS) -seed=1,-max_total_time=$(FUZZ_SECONDS))
FUZZ_REPORT = sed -n '/invariant broken\|==ERROR\|runtime error\|deadly signal/,$$p'

fuzz:
	@bash tools/install-deps.sh fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz
	@mkdir -p build/fuzz/findings
	@for target in $(FUZZ_TARGETS); do \
	    if [ -d fuzz/regressions/$$target ]; then \
	        ./build/fuzz/fuzz/$$target fuzz/regressions/$$target/* \
	            2>build/fuzz/$$target-regressions.log || \
	            { $(FUZZ_REPORT) build/fuzz/$$target-regressions.log | head -n 60; exit 1; }; \
	    fi; \
	    rm -rf build/fuzz/corpus/$$target && mkdir -p build/fuzz/corpus/$$target && \
	    cp fuzz/corpus/$$target/* build/fuzz/corpus/$$target/ && \
	    echo "$$target: $(FUZZ_LIMIT)" && \
	    ./build/fuzz/fuzz/$$target $(FUZZ_LIMIT) -timeout=10 \
	        -print_final_stats=1 -artifact_prefix=build/fuzz/findings/$$target- \
	        build/fuzz/corpus/$$target 2>build/fuzz/$$target.log || \
	        { $(FUZZ_REPORT) build/fuzz/$$target.log | head -n 60; exit 1; }; \
	    grep '^stat::number_of_executed_units' build/fuzz/$$target.log; \
	done

# Velmor for 64-bit Windows, cross-compiled by MinGW-w64 against Qt and libzip that
# tools/windows-deps.sh builds once per machine from Debian's source packages (the
# first time costs most of an hour; the cache is keyed by their versions). Makes
# build/windows/Velmor/ (the program with exactly the DLLs and plugins it loads), the
# installer build/windows/Velmor-<version>-setup.exe and the portable ZIP beside it.
# JOBS=n limits the build to n compilers at a time.
WINDOWS_VERSION = $(shell sed -n 's/^project.Velmor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

windows:
	@bash tools/install-deps.sh windows
	deps=$$(bash tools/windows-deps.sh | tail -n 1) && \
	cmake --preset windows -DVELMOR_WINDOWS_DEPS="$$deps" && \
	cmake --build --preset windows $(if $(JOBS),-j$(JOBS)) && \
	bash tools/windows-folder.sh build/windows/app "$$deps" build/windows/Velmor && \
	bash tools/windows-installer.sh build/windows/Velmor $(WINDOWS_VERSION) build/windows

# Checks Windows under Wine. First the format library alone, statically linked: the
# Qt-free fuzz targets replay their corpora and regressions, and tests/windows checks
# what only Windows does to files. Then the whole program (make windows): its own test
# suite on the offscreen platform, and tests/windows/program.sh, which installs it
# into a fresh prefix, starts it on a virtual display, compares its command line with
# the Linux build's, and uninstalls it. The Wine prefix of the tests lives in
# build/windows/wine and is made once, without a display, without the installers of
# Wine's .NET and HTML engines and without menu entries in the home folder. Wine hands
# no QT_ variable of Linux's environment to a Windows program, so the prefix's own
# environment tells the tests' Qt to draw offscreen, with the build machine's fonts.
WINE_ENV = DISPLAY= WAYLAND_DISPLAY= WINEDEBUG=-all WINEPREFIX=$(CURDIR)/build/windows/wine \
           WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
WINE_READY = build/windows/wine/.velmor-qt-ready
WINE_SET = env $(WINE_ENV) wine reg add 'HKCU\Environment' /f /v

windows-check: windows build/default/build.ninja
	cmake --preset windows-cross
	cmake --build --preset windows-cross $(if $(JOBS),-j$(JOBS))
	@if [ ! -f $(WINE_READY) ]; then \
	    echo "Preparing the Wine prefix build/windows/wine"; \
	    mkdir -p build/windows/wine; \
	    timeout 300 env $(WINE_ENV) wineboot --init </dev/null >build/windows/wineboot.log 2>&1 && \
	    $(WINE_SET) QT_QPA_PLATFORM /d offscreen >/dev/null && \
	    $(WINE_SET) QT_QPA_FONTDIR /d 'Z:\usr\share\fonts\truetype\dejavu' >/dev/null && \
	    timeout 300 env $(WINE_ENV) wineserver --wait && touch $(WINE_READY) || \
	    { cat build/windows/wineboot.log; exit 1; }; \
	fi
	@status=0; ctest --preset windows-cross || status=$$?; \
	    ctest --preset windows || status=$$?; \
	    timeout 60 env $(WINE_ENV) wineserver -k; exit $$status
	cmake --build --preset default --target velmor
	bash tests/windows/program.sh build/windows build/default/velmor
