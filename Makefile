# Thin wrappers over CMake. `make run` converts the bundled sample; `make test` builds and runs every test.
BUILD ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
SAMPLE_OUT ?= $(BUILD)/sample-out

.PHONY: all deps configure build run test bench fuzz clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

configure: $(BUILD)/build.ninja

build: deps configure
	cmake --build $(BUILD)

run: build
	@mkdir -p $(SAMPLE_OUT)
	$(BUILD)/ravelin -i data/sample.pcx -o $(abspath $(SAMPLE_OUT))
	@ls -l $(SAMPLE_OUT)

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

bench:
	@scripts/install-deps
	@bench/run

fuzz:
	@scripts/install-deps
	@fuzz/run

clean:
	rm -rf $(BUILD)
