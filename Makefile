# Set-up and everyday commands. `make run` and `make test` work on a fresh Debian 12 machine
# as root: they install what is missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps configure build run test bench clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@bash scripts/run-program.sh $(BUILD_DIR)/app/numora

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	@cmake --build $(BUILD_DIR) --target numora-bench numora-skew-stats -j $(JOBS)
	@$(BUILD_DIR)/bench/numora-bench

clean:
	@rm -rf $(BUILD_DIR)

.PHONY: package
package: build
	@cd $(BUILD_DIR) && cpack -G DEB
