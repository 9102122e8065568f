# Set-up and everyday commands. `make run` and `make test` work on a fresh Debian 12 machine:
# they install the missing Debian packages first.
BUILD_DIR ?= build
BUILD_TYPE ?= Release
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -x $(BUILD_DIR)/src/ui/zenoku-sim ]; then \
		$(BUILD_DIR)/src/ui/zenoku-sim; \
	else \
		$(BUILD_DIR)/src/cli/zenoku-sim-cli play --level 6 --plays 8000; \
	fi

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@set -e; for b in $(BUILD_DIR)/bench/zenoku_*bench; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b; done

clean:
	rm -rf $(BUILD_DIR) build-*
