# Set-up and everyday commands. `make run` and `make test` work on a fresh Debian 12 machine
# as root: they install what is missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# WERROR=1 (as CI runs it) makes every compiler warning an error, in all three builds; WERROR=0
# turns that off again. Without it a build tree keeps what it had.
WERROR ?=
WERROR_FLAGS = $(if $(WERROR),-DNUMORA_WERROR=$(if $(filter 1,$(WERROR)),ON,OFF))
# ccache, where the machine has it, keeps rebuilds of unchanged sources quick; paths below
# this folder are hashed relative to it, so every checkout shares one cache.
ifneq ($(shell command -v ccache),)
LAUNCHER_FLAGS = -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
endif

.PHONY: deps configure build run check check-e2e test san-configure san-build test-san soak test-fuzz fuzz fuzz-build bench clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(LAUNCHER_FLAGS) $(WERROR_FLAGS) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@bash scripts/run-program.sh $(BUILD_DIR)/app/numora

# The quick inner loop: the normal build and its suite but for the end-to-end tests (which
# drive the real program under Xvfb one at a time), no sanitizers, no fuzzing.
check: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) -LE e2e

# The end-to-end tests of the normal build.
check-e2e: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -L e2e

# The suite runs twice: in the normal build first (a plain failure shows in minutes), then
# built with AddressSanitizer and UndefinedBehaviorSanitizer, where any report fails the test
# that raised it (there a minute of the random user, `make soak`, runs too); then each fuzz
# target runs briefly.
SAN_DIR ?= build-san
SAN_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

test: check check-e2e
	@$(MAKE) --no-print-directory test-san
	@$(MAKE) --no-print-directory test-fuzz

san-configure: deps
	@cmake -S . -B $(SAN_DIR) -G Ninja $(LAUNCHER_FLAGS) $(WERROR_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DNUMORA_BUILD_BENCH=OFF \
		-DCMAKE_CXX_FLAGS="$(SAN_FLAGS) -O1" -DCMAKE_EXE_LINKER_FLAGS="$(SAN_FLAGS)" > /dev/null

san-build: san-configure
	@cmake --build $(SAN_DIR) -j $(JOBS)

test-san: san-build
	@cd $(SAN_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS)

# The seeded random user of the sanitizer build for SOAK_SECONDS (a new seed each run unless
# SOAK_SEED is given); its action log and the program's output stay in $(SAN_DIR)/soak/.
SOAK_SECONDS ?= 600
SOAK_SEED ?=
soak: san-build
	@bash tests/e2e/monkey.sh $(SAN_DIR)/app/numora $(SAN_DIR)/soak --seconds $(SOAK_SECONDS) \
		$(if $(SOAK_SEED),--seed $(SOAK_SEED))

bench: build
	@cmake --build $(BUILD_DIR) --target numora-bench numora-skew-stats -j $(JOBS)
	@$(BUILD_DIR)/bench/numora-bench

clean:
	@rm -rf $(BUILD_DIR)

# The Debian package, then the verdict of lintian, desktop-file-validate and appstreamcli on it,
# each where it is installed (apt-get install lintian desktop-file-utils appstream).
.PHONY: package
package: build
	@cd $(BUILD_DIR) && cpack -G DEB
	@bash packaging/check-package.sh $(BUILD_DIR)/numora_$$(sed -n '1s/^numora (\(.*\)).*/\1/p' packaging/changelog)_$$(dpkg --print-architecture).deb

# libFuzzer targets, built with clang: `make fuzz` runs each for FUZZ_SECONDS; `make test`
# runs each briefly. Inputs that break a target are written to fuzz/regressions/<target>/.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 120
FUZZ_TARGETS = rtf settings_text

fuzz-build: deps
	@CXX=clang++ CC=clang cmake -S . -B $(FUZZ_DIR) -G Ninja -DNUMORA_FUZZ_ONLY=ON $(LAUNCHER_FLAGS) $(WERROR_FLAGS) \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(addsuffix _fuzz,$(FUZZ_TARGETS))

fuzz: fuzz-build
	@bash scripts/run-fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

test-fuzz: fuzz-build
	@bash scripts/run-fuzz.sh $(FUZZ_DIR) 10 $(FUZZ_TARGETS)
