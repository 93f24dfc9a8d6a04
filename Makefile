# Two commands for a developer or CI on Debian 12: `make run` and `make test`.
# Both install what is missing, configure and build first.

BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test package bench screenshot fuzz check-fuzz check-sanitize check-perturbed \
  windows windows-package check-windows clean

all: build

deps:
	./tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/tavro

# Remakes docs/window.png under Xvfb.
screenshot: build
	./tools/screenshot.sh

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package build/tavro_VERSION_ARCH.deb, checked as a distribution
# checks it: lintian (no errors or warnings), the menu entry and the AppStream
# data. `make test` installs it into a scratch root and runs it.
package: build
	./tools/install-deps.sh lintian
	cmake --build $(BUILD) --target package
	./tools/check-package.sh $(BUILD)

# Times of a press and of each routine (medians of repeated runs), Newton
# steps per solve and transcendental evaluations per step, and the largest
# changes against the straightforward evaluation over a spread of designs.
bench: build
	$(BUILD)/bench/tavro_bench
	$(BUILD)/bench/tavro_evaluations
	$(BUILD)/bench/tavro_solver_comparison
	$(BUILD)/bench/tavro_simulation_bench $(BUILD)/cli/tavro-cli
	$(BUILD)/bench/tavro_method_figures

# Fuzzing with libFuzzer (clang): every target fuzz/CMakeLists.txt lists,
# side by side for FUZZ_SECONDS.
FUZZ_SECONDS ?= 60
fuzz: deps
	./tools/fuzz.sh $(FUZZ_SECONDS)

# CI: every fuzz target built and run for 20 s over its seeds, one after the
# other; a target that does not build, crashes or hangs fails.
check-fuzz: deps
	./tools/fuzz.sh --check

# The core and its tests under AddressSanitizer and UndefinedBehaviorSanitizer.
SANITIZE_BUILD ?= build-sanitize
check-sanitize: deps
	./tools/install-deps.sh clang-14 libclang-rt-14-dev
	cmake -S . -B $(SANITIZE_BUILD) -DTAVRO_GUI=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++-14 \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer \
	    -fsanitize-ignorelist=$(CURDIR)/cmake/sanitizer-ignorelist.txt"
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS) -E 'TenThousand'

# The whole suite twice more, with every exponential, sine, cosine, tangent
# and arctangent of the calculation moved one ulp up, then down: no test may
# depend on the last bit of an elementary function. The full-precision golden
# test pins those bits on purpose and is left out.
PERTURBED_BUILD ?= build-perturbed
check-perturbed: deps
	set -e; for ulps in 1 -1; do \
	  cmake -S . -B $(PERTURBED_BUILD)$$ulps $(CMAKE_FLAGS) -DTAVRO_PERTURB_ULPS=$$ulps; \
	  cmake --build $(PERTURBED_BUILD)$$ulps -j $(JOBS); \
	  (cd $(PERTURBED_BUILD)$$ulps && QT_QPA_PLATFORM=offscreen \
	    ctest --output-on-failure -j $(JOBS) -E 'FullPrecisionGolden'); \
	done

# 64-bit Windows, cross-built with MinGW-w64 against the libraries that
# tools/build-windows-deps.sh builds into its cache (the first time about 40
# minutes on two cores; afterwards only what changed): tavro.exe, tavro-cli.exe,
# tavro-simulate.exe and the tests, in $(WINDOWS_BUILD).
WINDOWS_BUILD ?= build-windows
windows: deps
	./tools/build-windows-deps.sh
	cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=Release
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# The installer (makensis) and the portable zip, in $(WINDOWS_BUILD).
windows-package: windows
	./tools/install-deps.sh nsis zip
	cmake --build $(WINDOWS_BUILD) --target package

# The Windows build's tests and the command line's golden outputs under Wine,
# headless, in a throw-away Wine prefix; then the installer installed,
# used and uninstalled there.
check-windows: windows-package
	./tools/check-windows.sh $(WINDOWS_BUILD)

clean:
	rm -rf $(BUILD) build-fuzz $(SANITIZE_BUILD) $(PERTURBED_BUILD)1 $(PERTURBED_BUILD)-1 $(WINDOWS_BUILD)
