# Colvane: the README's two commands, plus the benchmarks.
BUILD ?= build
JOBS  ?= 2
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all bootstrap configure build test run bench clean

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
	@if [ -x $(BUILD)/colvane ]; then \
	  if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then xvfb-run -a $(BUILD)/colvane; else $(BUILD)/colvane; fi; \
	else \
	  $(BUILD)/colvane-check resources/samples/*.csv || true; \
	fi

bench: bootstrap
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build-bench -j $(JOBS)
	@sh bench/run

clean:
	rm -rf $(BUILD) build-bench
