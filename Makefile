# make run   build, then run the screen saver (on a private Xvfb with a screenshot when there is no display)
# make test  build both ways, then every test: native GoogleTest suites and the Wine end-to-end tests
# make dist  the two Windows programs in dist/, ready to install
SHELL := /bin/bash
BUILD := build
WIN_BUILD := $(BUILD)/win
NATIVE_BUILD := $(BUILD)/native
DIST := dist

.PHONY: all deps windows native dist test run bench screenshots clean
all: dist native

deps:
	@scripts/install-deps.sh

windows: deps
	cmake -S . -B $(WIN_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release
	cmake --build $(WIN_BUILD)

native: deps
	cmake -S . -B $(NATIVE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DMIRAVEL_WINDOWS_BUILD=$(abspath $(WIN_BUILD)) -DMIRAVEL_DIST=$(abspath $(DIST))
	cmake --build $(NATIVE_BUILD)

dist: windows
	rm -rf $(DIST) && mkdir -p $(DIST)
	cp $(WIN_BUILD)/renderer/Miravel.dll $(DIST)/
	if [ -f $(WIN_BUILD)/frontend/Miravel.scr ]; then cp $(WIN_BUILD)/frontend/Miravel.scr $(DIST)/; fi

test: dist native
	cd $(NATIVE_BUILD) && ctest --output-on-failure -j 2

run: dist
	scripts/run.sh $(DIST)

screenshots: dist
	scripts/screenshots.sh docs

bench: dist native
	$(NATIVE_BUILD)/bench/sheet_update_bench
	scripts/wine_fps_bench.sh

clean:
	rm -rf $(BUILD) $(DIST)
