# Colvane: the README's two commands, plus the benchmarks.
BUILD ?= build
JOBS  ?= 2
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
FUZZ_SECONDS ?= 60

.PHONY: all bootstrap configure build test test-sanitize fuzz run screenshots bench clean

all: build

bootstrap:
	@sh scripts/bootstrap

configure: bootstrap
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300

# The whole suite again in its own tree, built with AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer; the first report fails the test that made it.
test-sanitize: bootstrap
	@cmake -S . -B build-sanitize $(CMAKE_FLAGS) -DCOLVANE_SANITIZE=ON >/dev/null
	@cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/.ci/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS) --timeout 900

# The reader's fuzz target for FUZZ_SECONDS seconds; new inputs go to build-fuzz/corpus,
# inputs that break it to build-fuzz/crashes.
fuzz: bootstrap
	@cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DCOLVANE_WITH_QT=OFF -DCOLVANE_FUZZ=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target fuzz_reader
	@mkdir -p build-fuzz/corpus build-fuzz/crashes
	build-fuzz/fuzz_reader -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  -artifact_prefix=build-fuzz/crashes/ build-fuzz/corpus fuzz/corpus resources/samples

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
