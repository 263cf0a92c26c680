# The two set-up commands of the README. Both install what is missing first.
BUILD_DIR ?= build

.PHONY: deps build run test clean

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja
	cmake --build $(BUILD_DIR)

run: build
	scripts/run-demo $(BUILD_DIR)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j 2

clean:
	rm -rf $(BUILD_DIR)
