# SPDX-License-Identifier: GPL-3.0-or-later
# Thin wrapper over CMake: `make run` builds and starts the program,
# `make test` builds and runs every test.
BUILD := build
SAN_BUILD := build-asan

.PHONY: run test build setup clean

setup:
	@bash scripts/setup.sh

build: setup
	@cmake --preset normal >/dev/null
	@cmake --build --preset normal

run: build
	@./$(BUILD)/velmora

test:
	@bash scripts/setup.sh --tests --beside
	@bash scripts/test.sh

clean:
	rm -rf $(BUILD) $(SAN_BUILD) build-fuzz
