# The two commands a newcomer needs: `make run` and `make test`.
# Both install any missing Debian packages first, then build with CMake in build/.

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps configure build run test test-sanitized pictures clips clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/startup/velmora

# The whole suite, then the whole suite once more built with AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer.
test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-sanitized

# Any leak left at the end of a test program fails its test. The benchmarks
# stay out: their limits are on time and memory, which the sanitizers change
# by design.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1

test-sanitized: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON $(CMAKE_ARGS) > /dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS) -LE bench

# Regenerate the committed assets from the tools that make them.
pictures: deps
	@tools/pictures/redraw.sh

clips: deps
	@tools/clips/make-clips.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
