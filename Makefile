# The two commands a user needs: `make run` and `make test`. Both install what is missing first:
# `make run` only what building and running need (make deps), `make test` the test tools too
# (make test-deps).
BUILD      ?= build
ASAN_BUILD ?= build-asan
ARM64_BUILD ?= build-arm64
JOBS       ?= $(shell nproc)

# The project's own builds treat warnings as errors; tests and benchmarks are built where their
# tools are installed.
CONFIGURE  = cmake -S . -DQUARVEL_WERROR=ON
WITH_TESTS = -DBUILD_TESTING=ON -DQUARVEL_BENCHMARKS=ON

.PHONY: deps test-deps program build build-asan run test unit bench screenshot clean \
        cross-deps cross-arm64 test-arm64

deps:
	@bash scripts/install-deps

test-deps:
	@bash scripts/install-deps --test

# The program alone: tests and benchmarks off, so their tools are not needed.
program: deps
	$(CONFIGURE) -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DQUARVEL_BENCHMARKS=OFF
	cmake --build $(BUILD) -j $(JOBS) --target quarvel

build: test-deps
	$(CONFIGURE) -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WITH_TESTS)
	cmake --build $(BUILD) -j $(JOBS)

build-asan: test-deps
	$(CONFIGURE) -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQUARVEL_SANITIZE=ON $(WITH_TESTS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)

# Opens the window (needs a display).
run: program
	$(BUILD)/bin/quarvel

# Every test, in a plain build and in a sanitizer build.
test: build build-asan
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# The quick tests alone, no display needed.
unit: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -L unit

bench: build
	bash bench/run-all $(BUILD)

# The README's picture: the window under Xvfb after typing 47 and calculating. SCALE draws it as
# on a denser screen (SCALE=2: 192 dpi), SHOT writes another picture:
#   make screenshot SCALE=2 SHOT=docs/screenshot-192dpi.png
SCALE ?= 1
SHOT  ?= docs/screenshot.png
screenshot: test-deps program
	bash tests/ui/screenshot $(BUILD)/bin/quarvel $(SHOT) $(SCALE)

# The arm64 build: Debian's cross compiler and arm64 libraries (make cross-deps installs them),
# its tests run under qemu-user. The property test runs ARM64_PROPERTY_CASES generated entries
# there (a million natively), which keeps the emulated run short.
ARM64_PROPERTY_CASES ?= 20000

cross-deps:
	@bash scripts/install-cross-deps

cross-arm64: test-deps cross-deps
	bash scripts/arm64-sysroot $(ARM64_BUILD)/sysroot
	$(CONFIGURE) -B $(ARM64_BUILD) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/aarch64-linux-gnu.cmake \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DQUARVEL_BENCHMARKS=OFF
	cmake --build $(ARM64_BUILD) -j $(JOBS)

# The unit tests, the comparison with this machine's results and one end-to-end smoke test.
test-arm64: cross-arm64
	cd $(ARM64_BUILD) && QUARVEL_PROPERTY_CASES=$(ARM64_PROPERTY_CASES) \
	  ctest --output-on-failure -j $(JOBS) -L 'unit|smoke'

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(ARM64_BUILD)
