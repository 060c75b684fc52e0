# The two commands of the README, `make run` and `make test`, set up everything they need
# on a fresh Debian 12 or 13 machine, then build. The rest are for developers. Each target installs
# what is missing, then runs a CMake workflow of CMakePresets.json, where the builds are
# described; `cmake --list-presets=all` lists them. CI=true makes every warning an error.

CMAKE ?= cmake
FUZZ_SECONDS ?= 600
export CMAKE_BUILD_PARALLEL_LEVEL ?= $(shell nproc)

.PHONY: all deps build run windows web package unit test test-suite test-asan test-fuzz test-reproducible test-debian13 \
	bench fuzz artwork screenshots format tidy clean

all: build

deps:
	@scripts/deps.sh all

# The program alone, in build-app/, apart from the suite's build/.
build:
	@scripts/deps.sh run
	$(CMAKE) --workflow --preset app

run: build
	./build-app/ui/qt/trimwise

# trimwise.exe for 64-bit Windows, cross-built with MinGW-w64:
# build-windows/ui/win32/trimwise.exe
# and its installer, built with wixl: build-windows/trimwise-<version>-x64.msi
windows:
	@scripts/deps.sh windows
	$(CMAKE) --workflow --preset windows

# The browser page, one self-contained file: build-web/trimwise.html
web:
	@scripts/deps.sh web
	$(CMAKE) --workflow --preset web

# The Debian package of a Release build of the program: build/trimwise_<version>_amd64.deb
# CPack gives the package's own members the modes the umask leaves, so it runs under the 022
# that Debian's package builds use.
package:
	@scripts/deps.sh package
	rm -rf build-package/deb
	umask 022 && $(CMAKE) --workflow --preset package
	mkdir -p build && cp build-package/deb/trimwise_*_amd64.deb build/

# The tests that need no Wine, MinGW, browser or X server, in build-unit/: ctest's label unit.
unit:
	@scripts/deps.sh unit
	$(CMAKE) --workflow --preset unit

# The whole suite, the same suite under AddressSanitizer and UndefinedBehaviorSanitizer,
# a short fuzz run of the calculation, and trimwise.exe, its installer, the package, the page
# and its site built twice.
test:
	@scripts/deps.sh test
	@$(MAKE) --no-print-directory windows web test-suite test-asan test-fuzz test-reproducible

test-suite test-asan test-fuzz:
	$(CMAKE) --workflow --preset $@

# The tree's trimwise.exe, package and page against a second build from a clone elsewhere.
test-reproducible: windows package web
	@scripts/deps.sh test
	tests/reproducible/rebuild_and_compare.sh

# The same `make test` with CI=true on a clean Debian 13 root made with mmdebstrap, where the
# tree's last commit is cloned; not part of `make test`. Needs root.
test-debian13:
	scripts/test-debian13.sh

# The calculation, then start-up against a bare window: the Linux program, trimwise.exe
# under Wine at 100, 125, 150 and 200 per cent display scale, and the page in headless
# browsers; for the desktop programs the time to map and to fully drawn. Under
# Wine it is trimwise-traced.exe, the same program that also notes when each phase of its
# start-up ends, as the bare window does: the two are shown side by side.
bench: windows web
	@scripts/deps.sh test
	$(CMAKE) --workflow --preset bench
	./build/bench/trimwise-bench-calc
	./build/bench/startup/trimwise-bench-startup
	for dpi in 96 120 144 192; do \
		bench/startup/wine_startup.py build/bench/startup/trimwise-bench-startup \
			build-windows/ui/win32/trimwise-traced.exe build-windows/bench/startup/trimwise-bare-window.exe \
			build/bench-wine-prefix 15 $$dpi || exit 1; \
	done
	/usr/bin/python3 bench/web/page_startup.py build-web/trimwise.html build-web/ui/web/trimwise.wasm

fuzz:
	@scripts/deps.sh test
	$(CMAKE) --workflow --preset fuzz
	@mkdir -p build-fuzz/tests/fuzz/corpus
	./build-fuzz/tests/fuzz/trimwise-fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=256 \
		-artifact_prefix=build-fuzz/tests/fuzz/ build-fuzz/tests/fuzz/corpus tests/fuzz/corpus

artwork:
	@scripts/deps.sh all
	$(CMAKE) --workflow --preset artwork
	./build/tools/artwork/trimwise-artwork assets

# Pictures of the Linux window, of trimwise.exe under Wine and of the page in headless
# Chromium after the worked case, for the README: docs/trimwise-linux.png,
# docs/trimwise-windows.png and docs/trimwise-web.png
screenshots: windows web
	@scripts/deps.sh test
	$(CMAKE) --workflow --preset screenshots
	tools/screenshots.sh build/ui/qt/trimwise build-windows/ui/win32/trimwise.exe \
		build-windows/tests/e2e/box_reader/trimwise-read-boxes.exe \
		build/tests/e2e/trimwise-grab-window build/tests/support/trimwise-print-layout \
		build/screenshots docs
	TRIMWISE_PROGRAM=build-web/trimwise.html \
		TRIMWISE_PRINT_LAYOUT=build/tests/support/trimwise-print-layout \
		TRIMWISE_GRAB_WINDOW=build/tests/e2e/trimwise-grab-window \
		/usr/bin/python3 -B tests/e2e/e2e.py web build/screenshots picture docs/trimwise-web.png
	TRIMWISE_PROGRAM=build-web/trimwise.html \
		TRIMWISE_PRINT_LAYOUT=build/tests/support/trimwise-print-layout \
		TRIMWISE_GRAB_WINDOW=build/tests/e2e/trimwise-grab-window \
		/usr/bin/python3 -B tests/e2e/web_arrangement.py build/screenshots docs/trimwise-web-phone.png

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Each source through clang-tidy with its own build's flags: the Linux sources with the
# suite's, ui/win32 with the Windows build's. There clang takes the MinGW-w64 target from the
# cross compiler's name, but misses the versioned folder of its C++ headers, which the cross
# compiler names.
MINGW_CXX_HEADERS = $(shell echo | x86_64-w64-mingw32-g++ -x c++ -E -Wp,-v - 2>&1 | grep '/include/c++')
tidy:
	@scripts/deps.sh all
	$(CMAKE) --preset default
	$(CMAKE) --preset windows
	git ls-files 'calc/*.cpp' 'ui/*.cpp' ':!ui/win32' | xargs clang-tidy -p build --quiet
	git ls-files 'ui/win32/*.cpp' | \
		xargs clang-tidy -p build-windows --quiet $(MINGW_CXX_HEADERS:%=--extra-arg=-isystem%)

clean:
	rm -rf build build-app build-asan build-fuzz build-package build-unit build-windows build-web
