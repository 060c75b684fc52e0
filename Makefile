# The two commands of the README, `make run` and `make test`, set up everything they need
# on a fresh Debian 12 machine, then build. The rest are for developers.

CMAKE ?= cmake
CTEST ?= ctest
CPACK ?= cpack
FUZZ_SECONDS ?= 600
JOBS ?= $(shell nproc)

.PHONY: all deps build run windows package test web test-suite test-asan test-fuzz test-reproducible \
	bench fuzz artwork format tidy clean

all: build

deps:
	@scripts/deps.sh all

build:
	@scripts/deps.sh run
	$(CMAKE) --preset default -DTRIMWISE_APP_ONLY=ON
	$(CMAKE) --build --preset default --target trimwise -j $(JOBS)

run: build
	./build/ui/qt/trimwise

# trimwise.exe for 64-bit Windows, cross-built with MinGW-w64:
# build-windows/ui/win32/trimwise.exe
# and its installer, built with wixl: build-windows/trimwise-<version>-x64.msi
windows:
	@scripts/deps.sh windows
	$(CMAKE) --preset windows
	$(CMAKE) --build --preset windows -j $(JOBS)

# The browser page, one self-contained file: build-web/trimwise.html
web:
	@scripts/deps.sh web
	$(CMAKE) --preset web
	$(CMAKE) --build --preset web -j $(JOBS)

# The Debian package of a Release build of the program: build/trimwise_<version>_amd64.deb
# CPack gives the package's own members the modes the umask leaves, so it runs under the 022
# that Debian's package builds use.
package:
	@scripts/deps.sh package
	$(CMAKE) --preset package
	$(CMAKE) --build --preset package -j $(JOBS)
	rm -rf build-package/deb
	umask 022 && $(CPACK) --preset package
	@mkdir -p build
	cp build-package/deb/trimwise_*_amd64.deb build/

# The whole suite, the same suite under AddressSanitizer and UndefinedBehaviorSanitizer,
# a short fuzz run of the calculation, and trimwise.exe and the package built twice.
test:
	@scripts/deps.sh test
	@$(MAKE) --no-print-directory windows web test-suite test-asan test-fuzz test-reproducible

test-suite:
	$(CMAKE) --preset default
	$(CMAKE) --build --preset default -j $(JOBS)
	$(CTEST) --preset default

test-asan:
	$(CMAKE) --preset asan
	$(CMAKE) --build --preset asan -j $(JOBS)
	$(CTEST) --preset asan

test-fuzz:
	$(CMAKE) --preset fuzz
	$(CMAKE) --build --preset fuzz -j $(JOBS)
	$(CTEST) --preset fuzz

# The tree's trimwise.exe, package and page against a second build from a clone elsewhere.
test-reproducible: windows package web
	@scripts/deps.sh test
	tests/reproducible/rebuild_and_compare.sh

# The calculation, then start-up against a bare window: the Linux program, trimwise.exe
# under Wine at 100 and 150 per cent display scale, and the page in headless Chromium.
bench:
	@scripts/deps.sh test
	@$(MAKE) --no-print-directory windows web
	$(CMAKE) --preset default
	$(CMAKE) --build --preset default -j $(JOBS)
	./build/bench/trimwise-bench-calc
	./build/bench/startup/trimwise-bench-startup
	for dpi in 96 144; do \
		bench/startup/wine_startup.sh build/bench/startup/trimwise-bench-startup \
			build-windows/ui/win32/trimwise.exe build-windows/bench/startup/trimwise-bare-window.exe \
			build/bench-wine-prefix 15 $$dpi || exit 1; \
	done
	/usr/bin/python3 bench/web/page_startup.py build-web/trimwise.html build-web/ui/web/trimwise.wasm

fuzz:
	@scripts/deps.sh test
	$(CMAKE) --preset fuzz
	$(CMAKE) --build --preset fuzz -j $(JOBS)
	@mkdir -p build-fuzz/tests/fuzz/corpus
	./build-fuzz/tests/fuzz/trimwise-fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=256 \
		-artifact_prefix=build-fuzz/tests/fuzz/ build-fuzz/tests/fuzz/corpus tests/fuzz/corpus

artwork:
	@scripts/deps.sh all
	$(CMAKE) --preset default
	$(CMAKE) --build --preset default --target trimwise-artwork -j $(JOBS)
	./build/tools/artwork/trimwise-artwork assets

# Pictures of the Linux window and of trimwise.exe under Wine after the worked case, for the
# README: docs/trimwise-linux.png and docs/trimwise-windows.png
.PHONY: screenshots
screenshots:
	@scripts/deps.sh test
	@$(MAKE) --no-print-directory windows
	$(CMAKE) --preset default
	$(CMAKE) --build --preset default -j $(JOBS) --target trimwise trimwise-grab-window \
		trimwise-print-layout
	tools/screenshots.sh build/ui/qt/trimwise build-windows/ui/win32/trimwise.exe \
		build-windows/tests/e2e/box_reader/trimwise-read-boxes.exe \
		build/tests/e2e/trimwise-grab-window build/tests/support/trimwise-print-layout \
		build/screenshots docs

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

tidy:
	git ls-files 'calc/*.cpp' 'ui/*.cpp' ':!ui/win32' | xargs clang-tidy -p build --quiet

clean:
	rm -rf build build-asan build-fuzz build-package build-windows build-web
