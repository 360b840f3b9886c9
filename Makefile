# Thin front end over the CMake presets.
.PHONY: all release demo test clean

all: release

release:
	cmake --preset release
	cmake --build --preset release

demo: release
	./build/release/rareduzuver

test:
	cmake --preset release
	cmake --build --preset release
	ctest --preset release
	cmake --preset debug-asan
	cmake --build --preset debug-asan
	ctest --preset debug-asan

clean:
	rm -rf build
