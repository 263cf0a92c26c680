# The two set-up commands of the README. Both install what is missing first.
# SANITIZE=1 builds into its own folder with AddressSanitizer and UndefinedBehaviorSanitizer.
ifeq ($(SANITIZE),1)
BUILD_DIR ?= build-sanitize
CMAKE_FLAGS += -DCROSSWORD_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
else
BUILD_DIR ?= build
endif
# WERROR=1 makes every compiler warning an error, as CI builds.
ifeq ($(WERROR),1)
WERROR_FLAG = -DCROSSWORD_WERROR=ON
else
WERROR_FLAG = -DCROSSWORD_WERROR=OFF
endif
CMAKE_FLAGS += $(WERROR_FLAG)

FUZZ_RUNS ?= 100000

.PHONY: deps build run test package fuzz clean

deps:
	scripts/install-deps

# The default target and the package's files: the default dictionaries the demo and the
# tests read, and wright's manual.
build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) --target all package_files

run: build
	scripts/run-demo $(BUILD_DIR)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j 2

# The Debian source package and from it the packages wright and wright-data, in
# build/package/ (wright_VERSION_ARCH.deb, wright-data_VERSION_all.deb).
package: deps
	scripts/build-package build/package

# Every libFuzzer target for FUZZ_RUNS inputs (clang, its own build folder).
fuzz: deps
	scripts/fuzz build-fuzz $(FUZZ_RUNS) $(WERROR_FLAG)

clean:
	rm -rf $(BUILD_DIR)
