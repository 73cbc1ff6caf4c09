# Thin wrapper over CMake: `make run` builds and starts the program,
# `make test` builds and runs every test.
BUILD := build
SAN_BUILD := build-asan
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test build setup clean

setup:
	@bash scripts/setup.sh

build: setup
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)

run: build
	@./$(BUILD)/velmora

test:
	@bash scripts/setup.sh --tests
	@bash scripts/test.sh

clean:
	rm -rf $(BUILD) $(SAN_BUILD) build-fuzz
