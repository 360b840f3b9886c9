# Thin front end over the CMake presets.
.PHONY: all release windows dist demo bench fuzz test clean

# The Windows suite needs the mingw-w64 cross compiler and Wine.
WINDOWS_TOOLS := $(shell command -v x86_64-w64-mingw32-g++ >/dev/null 2>&1 && \
                   command -v wine >/dev/null 2>&1 && command -v wineserver >/dev/null 2>&1 && echo yes)
WINDOWS_SKIPPED := Windows suite SKIPPED: x86_64-w64-mingw32-g++ or wine is not installed \
                   (apt-get install g++-mingw-w64-x86-64 wine wine64)

all: release

release:
	cmake --preset release
	cmake --build --preset release

# The Windows executable, build/windows/rareduzuver.exe.
windows:
	cmake --preset windows
	cmake --build --preset windows

# The zip for users: the executable and the README, in build/windows/dist.
dist: windows
	cpack --preset windows

# Every listing and both comparisons, on the bundled examples (key.lst is
# not installed here, so the key table, toolbar and keypad listings say so
# and use the built-in function list).
DEMO_RUNS := office.ses "office.ses branch.ses" office.key "office.key branch.key" legacy.key office.bar office.pad

demo: release
	@cd examples && for run in $(DEMO_RUNS); do \
	  echo "================ rareduzuver $$run"; \
	  ../build/release/rareduzuver $$run; echo; \
	done

# Wall time, CPU time and peak memory against cat of the same files, and
# the instruction count where valgrind is installed.
bench: release
	mkdir -p build/bench
	$(CXX) -std=c++20 -O2 -static -o build/bench/pair_runner bench/pair_runner.cpp
	python3 bench/bench.py build/release/rareduzuver build/bench/pair_runner --pairs $(or $(PAIRS),200)

# The native suites (release, then debug-asan) and, where the tools are
# installed, the Windows suite: the end-to-end tests once more against the
# .exe under Wine, run by the release ctest as the tests "windows.*".
test:
ifeq ($(WINDOWS_TOOLS),yes)
	$(MAKE) windows
	cmake --preset release -DRAREDUZUVER_WINDOWS_SUITE=ON
else
	@echo "$(WINDOWS_SKIPPED)"
	cmake --preset release -DRAREDUZUVER_WINDOWS_SUITE=OFF
endif
	cmake --build --preset release
	ctest --preset release
	cmake --preset debug-asan
	cmake --build --preset debug-asan
	ctest --preset debug-asan
ifneq ($(WINDOWS_TOOLS),yes)
	@echo "$(WINDOWS_SKIPPED)"
endif

# A bounded fuzzing run of every target, FUZZ_SECONDS each (default 60), with
# clang's libFuzzer and sanitizers.
fuzz:
	cmake --preset fuzz -DRAREDUZUVER_FUZZ_SECONDS=$(or $(FUZZ_SECONDS),60)
	cmake --build --preset fuzz
	ctest --preset fuzz

clean:
	rm -rf build
