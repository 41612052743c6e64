# Quick start on Debian: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: setup configure build run test fuzz clean

setup:
	@./scripts/setup.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: setup $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/marlix --help

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Fuzz targets need clang; they are not part of `make test`.
fuzz:
	@./scripts/setup.sh fuzz
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DMARLIX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j $(JOBS)

clean:
	rm -rf $(BUILD) build-fuzz
