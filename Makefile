# The whole user interface of the project: make run, make test, make bench.
# Every target first installs what is missing (scripts/install-deps).

BUILD      ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD?= build-bench
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZERS    := fuzz_dib fuzz_drawtext fuzz_loadbitmap fuzz_format fuzz_pictures fuzz_reader
CMAKE_GEN  := -G Ninja
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local

.PHONY: all deps build test test-normal test-asan run bench fuzz format clean install

all: build

deps:
	@scripts/install-deps

# Both test builds carry line tables only (-g1): enough for stack traces,
# and full debug information would take much of make test's time. The
# benchmarks are built by make bench, in its own Release build.
$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" -DTAVREL_BENCH=OFF

$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
	  -DTAVREL_SANITIZE=ON -DTAVREL_BENCH=OFF

$(BENCH_BUILD)/build.ninja: | deps
	cmake -S . -B $(BENCH_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

test-normal: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

test: test-normal test-asan

# With a display the program itself; without one a tour through the
# automation tool on the headless desktop, leaving screenshots in
# $(BUILD)/tour.
run: build
	@if [ -n "$$DISPLAY" ]; then $(BUILD)/app/tavrel; else \
	  mkdir -p $(BUILD)/tour && cd $(BUILD)/tour && \
	  $(abspath $(BUILD))/tools/drive/tavrel-drive $(CURDIR)/scripts/tour.drive > tour.log && \
	  ls $(abspath $(BUILD))/tour/*.png; fi

# The program and its desktop entry under PREFIX (DESTDIR is honoured).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

bench: deps $(BENCH_BUILD)/build.ninja
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@for b in $(BENCH_BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b" || exit 1; done

# Each fuzzer runs FUZZ_SECONDS on its corpus folder (kept in the build
# folder between runs), seeded from fuzz/corpus/<name> when that exists.
fuzz:
	@scripts/install-deps fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTAVREL_FUZZ=ON -DTAVREL_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZERS)
	@for f in $(FUZZERS); do mkdir -p $(FUZZ_BUILD)/corpus/$$f; \
	  $(FUZZ_BUILD)/fuzz/$$f -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=4096 \
	    $(FUZZ_BUILD)/corpus/$$f $$(ls -d fuzz/corpus/$${f#fuzz_} 2>/dev/null) || exit 1; done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
