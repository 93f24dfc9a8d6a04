# Two commands for a developer or CI on Debian 12: `make run` and `make test`.
# Both install what is missing, configure and build first.

BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test screenshot clean

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

clean:
	rm -rf $(BUILD)
