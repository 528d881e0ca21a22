# Two commands set everything up on a fresh Debian machine: `make run` and `make test`.
JOBS    := $(shell nproc)
BUILD   := build
SANBUILD := build-sanitize

.PHONY: deps configure build run test test-sanitize bench bench-all screens format format-check clean

deps:
	@sh scripts/install-deps

# Configuring every time is cheap and picks up folders added since the last build.
build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	cmake --build $(BUILD) -j $(JOBS)

run: build
	mkdir -p data
	cd data && ../$(BUILD)/tovik

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(SANBUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTOVIK_SANITIZE=ON -DTOVIK_BENCH=OFF > /dev/null
	cmake --build $(SANBUILD) -j $(JOBS)
	cd $(SANBUILD) && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# A picture of every window, filled from a small sample data set, in build/screens.
screens: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tovik-screens $(BUILD)/screens

# Quick: files of 10,000 records. bench-all: 10,000, 100,000 and 1,000,000 (the files are
# made once in the temporary folder and kept for later runs; the largest take some minutes).
bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b" || exit 1; done

bench-all: build
	@for b in $(BUILD)/bench/bench_*; do \
	  [ -x "$$b" ] && TOVIK_BENCH_SIZES=10000,100000,1000000 "$$b" || exit 1; done

format:
	git ls-files '*.cpp' '*.h' | xargs -r clang-format -i

format-check:
	git ls-files '*.cpp' '*.h' | xargs -r clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD) $(SANBUILD)
