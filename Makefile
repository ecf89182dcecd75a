# Set-up and everyday commands. `make run` and `make test` work on a fresh Debian 12 machine
# as root: they install what is missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps configure build run test test-san test-fuzz fuzz fuzz-build bench clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@bash scripts/run-program.sh $(BUILD_DIR)/app/numora

# The suite runs twice: in the normal build, then built with AddressSanitizer and
# UndefinedBehaviorSanitizer, where any report fails the test that raised it.
SAN_DIR ?= build-san
SAN_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

test: build test-san test-fuzz
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

test-san: deps
	@cmake -S . -B $(SAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNUMORA_BUILD_BENCH=OFF \
		-DCMAKE_CXX_FLAGS="$(SAN_FLAGS) -O1" -DCMAKE_EXE_LINKER_FLAGS="$(SAN_FLAGS)" > /dev/null
	@cmake --build $(SAN_DIR) -j $(JOBS)
	@cd $(SAN_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS)

bench: build
	@cmake --build $(BUILD_DIR) --target numora-bench numora-skew-stats -j $(JOBS)
	@$(BUILD_DIR)/bench/numora-bench

clean:
	@rm -rf $(BUILD_DIR)

.PHONY: package
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

# libFuzzer targets, built with clang: `make fuzz` runs each for FUZZ_SECONDS; `make test`
# runs each briefly. Inputs that break a target are written to fuzz/regressions/<target>/.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 120
FUZZ_TARGETS = rtf settings_text

fuzz-build: deps
	@CXX=clang++ CC=clang cmake -S . -B $(FUZZ_DIR) -G Ninja -DNUMORA_FUZZ_ONLY=ON \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(addsuffix _fuzz,$(FUZZ_TARGETS))

fuzz: fuzz-build
	@bash scripts/run-fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

test-fuzz: fuzz-build
	@bash scripts/run-fuzz.sh $(FUZZ_DIR) 10 $(FUZZ_TARGETS)
