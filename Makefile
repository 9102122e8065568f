# Set-up and everyday commands. `make run` and `make test` work on a fresh Debian 12 machine:
# they install the missing Debian packages first.
BUILD_DIR ?= build
BUILD_TYPE ?= Release
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test sanitize fuzz bench clean format format-check

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

SAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory sanitize

# The core and command-line tests again, built with AddressSanitizer and UBSan.
sanitize: deps
	cmake -S . -B $(SAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DENABLE_SANITIZERS=ON \
		-DZENOKU_BUILD_UI=OFF -DZENOKU_BUILD_BENCH=OFF
	cmake --build $(SAN_DIR) -j $(JOBS)
	cd $(SAN_DIR) && ctest --output-on-failure -j $(JOBS)

# Fuzzes the ".sim" reader and the results for FUZZ_SECONDS, starting from the committed
# corpus of small real files (new inputs stay in the build folder).
fuzz: deps
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DZENOKU_FUZZ=ON -DBUILD_TESTING=OFF -DZENOKU_BUILD_UI=OFF -DZENOKU_BUILD_BENCH=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target zenoku_simfile_fuzz
	mkdir -p $(FUZZ_DIR)/corpus
	cp -n tests/data/fuzz-corpus/* $(FUZZ_DIR)/corpus/
	$(FUZZ_DIR)/fuzz/zenoku_simfile_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
		-print_final_stats=1 -artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/corpus

# Every C++ file tracked by git, formatted by the root .clang-format; format-check fails on
# the first file that is not.
FORMAT_FILES = $(shell git ls-files '*.cpp' '*.h')
format:
	clang-format -i $(FORMAT_FILES)
format-check: deps
	@clang-format --dry-run --Werror $(FORMAT_FILES) && echo "$(words $(FORMAT_FILES)) files formatted"

bench: build
	@set -e; for b in $(BUILD_DIR)/bench/zenoku_*bench; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b; done

# The Debian package, built by CPack into the build folder: zenoku-sim_<version>_<arch>.deb.
.PHONY: package
package: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) build-*
