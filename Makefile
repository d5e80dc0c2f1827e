# Top-level commands; each installs what is missing first (as root).
.PHONY: all deps build build-native build-win32 test demo bench fuzz art screenshot clean

FUZZ_SECONDS := 60

all: build

deps:
	@tools/install-deps.sh

build: build-native build-win32

build-native: deps
	@cmake --preset native >/dev/null
	@cmake --build --preset native

build-win32: deps
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32

test: build
	@tools/run-tests.sh

# VELDO.EXE under Wine on the sample: its function list and a picture.
demo: build-win32
	@tools/demo.sh

# Pictures of VELDO.EXE on a private X display, written to build/screenshots.
screenshot: build-win32
	@tools/screenshot/take.sh

bench: build-win32
	@cmake --preset native >/dev/null
	@cmake --build --preset native-release --target veldo-list
	@tools/bench/bench.sh

fuzz: deps
	@cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVELDO_FUZZ=ON >/dev/null
	@cmake --build build/fuzz --target scan_fuzzer
	@mkdir -p build/fuzz/corpus build/fuzz/artifacts
	@cp -n examples/*.cpp tests/fuzz/regressions/* build/fuzz/corpus/ 2>/dev/null || true
	build/fuzz/bin/scan_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=8192 \
	  -artifact_prefix=build/fuzz/artifacts/ build/fuzz/corpus

# Redraws the program's pictures into src/app/res (checked in: the Windows
# cross build cannot run the host tool).
art:
	@mkdir -p build/art
	g++ -std=c++20 -O2 -o build/art/draw-art tools/art/draw_art.cpp
	build/art/draw-art src/app/res

clean:
	rm -rf build
