# The two commands a user needs: `make run` and `make test`. Both install what is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)

.PHONY: deps build build-asan run test unit bench screenshot clean

deps:
	@bash scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQUARVEL_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)

# Opens the window (needs a display).
run: build
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

# The README's picture: the window under Xvfb after typing 47 and calculating.
screenshot: build
	bash tests/ui/screenshot $(BUILD)/bin/quarvel docs/screenshot.png

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
