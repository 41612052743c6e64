# Quick start on Debian: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

SAMPLE ?= Catalogs/Sample
VNU ?= build-tools/node_modules/vnu-jar/build/dist/vnu.jar

.PHONY: setup configure build run sample test fuzz check-html clean

setup:
	@./scripts/setup.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: setup $(BUILD)/build.ninja

# The sample catalog's generated store is not kept in git, but the catalog needs its folder.
build: configure
	cmake --build $(BUILD) -j $(JOBS)
	@mkdir -p $(SAMPLE)/output

# Generates the sample store from the sample catalog with the shipped templates.
sample: build
	./$(BUILD)/marlix --home . generate $(SAMPLE)

# Where a display is available, the desktop program opens afterwards.
run: sample
	@echo "Front page: $(CURDIR)/$(SAMPLE)/output/index.html"
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then ./$(BUILD)/marlix --home .; fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Fuzz targets need clang; they are not part of `make test`.
fuzz:
	@./scripts/setup.sh fuzz
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DMARLIX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j $(JOBS)

# Checks every page of the sample store with the Nu Html Checker (npm's vnu-jar, run by Java).
check-html: sample
	@./scripts/setup.sh html
	@[ -f $(VNU) ] || npm install --silent --prefix build-tools vnu-jar
	java -jar $(VNU) --errors-only $(SAMPLE)/output/*.html
	java -jar $(VNU) --errors-only --css $(SAMPLE)/output/*.css
	@echo "No errors in the sample store."

clean:
	rm -rf $(BUILD) build-fuzz build-tools
