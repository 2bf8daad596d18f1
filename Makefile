# Colvane: the README's two commands, plus the benchmarks.
BUILD ?= build
JOBS  ?= 2
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all bootstrap configure build test run screenshots bench clean

all: build

bootstrap:
	@sh scripts/bootstrap

configure: bootstrap
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300

run: build
	@$(BUILD)/colvane

screenshots: build
	@xvfb-run -a -s "-screen 0 1024x768x24" env COLVANE_SCREENSHOTS=docs $(BUILD)/colvane

bench: bootstrap
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@sh bench/run

clean:
	rm -rf $(BUILD) build-bench
