# Two commands for a developer or CI on Debian 12: `make run` and `make test`.
# Both install what is missing, configure and build first.

BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test clean

all: build

deps:
	./tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Until the window lands, `run` designs the worked example on the command line.
run: build
	$(BUILD)/cli/tavro-cli --voltage 12 --current 1 --ripple 1 --limbs 1 --flux 1.2 --diode-drop 0.7 --decimal-separator .

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
