# Front door to the CMake build. `make run` builds and starts BELLSCOPE,
# `make test` builds and runs every test.
BUILD ?= build
MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test test-sanitize test-clang check-format fuzz bench windows test-windows web test-web serve-web bench-web package clean

all: build

deps:
	@scripts/install-deps.sh build

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/bellscope ]; then $(BUILD)/bellscope; else echo "bellscope is not built yet"; fi

test: build
	@cd $(BUILD) && ctest --output-on-failure --timeout 300 -j $(JOBS)

# The same tests with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize:
	@$(MAKE) --no-print-directory test BUILD=build-sanitize CMAKE_FLAGS="-DBELLSCOPE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug"

# The same tests built by Clang with libc++ (the standard library of the macOS
# and web toolchains), warnings as errors.
test-clang:
	@scripts/install-deps.sh build clang
	@CC=clang-14 CXX=clang++-14 cmake -S . -B build-clang -DCMAKE_CXX_FLAGS=-stdlib=libc++ \
	  -DCMAKE_EXE_LINKER_FLAGS=-stdlib=libc++ -DBELLSCOPE_WERROR=ON -DBELLSCOPE_GTEST_FROM_SOURCE=ON >/dev/null
	@cmake --build build-clang -j $(JOBS)
	@cd build-clang && ctest --output-on-failure --timeout 300 -j $(JOBS)

# clang-format for the C++; ESLint, Prettier and TypeScript for the JavaScript.
check-format:
	@scripts/install-deps.sh clang js
	@scripts/check-format.sh

# Coverage-guided fuzzing with libFuzzer: FUZZ_SECONDS (default 60) a target.
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/install-deps.sh build fuzz
	@FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/fuzz.sh

bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBELLSCOPE_BENCH=ON -DBELLSCOPE_TESTS=OFF >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@build-bench/bench/bellscope_bench

clean:
	rm -rf build build-sanitize build-bench build-windows build-package build-web build-fuzz build-clang dist

# The browser build into build-web/: index.html, the served page, with its
# worker, manifest, icons and languages, and bellscope.html, one file that
# also works from disk.
# Debian's Emscripten needs NODE_PATH to find its JavaScript tools.
EMSCRIPTEN_ENV = NODE_PATH=/usr/share/nodejs
web:
	@scripts/install-deps.sh web js
	@scripts/npm-install.sh
	@$(EMSCRIPTEN_ENV) emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release >/dev/null
	@$(EMSCRIPTEN_ENV) cmake --build build-web -j $(JOBS)

# Browser tests in headless Chromium against the frames of the Linux build.
test-web: web build
	@scripts/install-deps.sh browser
	@scripts/test-web.sh

serve-web: web
	@scripts/serve-web.sh

# Computing and composing a frame, natively and in the browser, side by side.
bench-web: web
	@scripts/install-deps.sh build browser
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBELLSCOPE_BENCH=ON -DBELLSCOPE_TESTS=OFF >/dev/null
	@cmake --build build-bench -j $(JOBS) --target pass_timing
	@$(EMSCRIPTEN_ENV) cmake --build build-web --target pass_timing
	@scripts/bench-web.sh

# The Windows executables, cross-compiled with MinGW-w64 into build-windows/.
windows:
	@scripts/install-deps.sh build windows
	@cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build-windows -j $(JOBS)

# The Windows tests under Wine, with Xvfb as its X server.
test-windows: windows
	@scripts/install-deps.sh gui
	@scripts/test-windows.sh

# The Debian package, the Windows zip and the web page (a zip of the served
# folder and the single file), copied into dist/.
package: deps windows web
	@cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DBELLSCOPE_TESTS=OFF >/dev/null
	@cmake --build build-package -j $(JOBS)
	@cd build-package && cpack -G DEB >/dev/null
	@cd build-windows && cpack -G ZIP >/dev/null
	@mkdir -p dist
	@$(EMSCRIPTEN_ENV) cmake --build build-web --target web-package >/dev/null
	@cp build-package/bellscope_*_amd64.deb build-windows/bellscope-*-windows-x64.zip dist/
	@cp build-web/package/bellscope-*-web.zip build-web/package/bellscope-*.html dist/
	@ls -1 dist/
