# Front end of the CMake build.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX     ?= /usr/local
CMAKE_ARGS ?=

.PHONY: all deps build demo test test-asan bench install clean fuzz

all: build

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

demo: deps build
	@scripts/demo $(BUILD)/tools/qvproj/qvproj

test: deps build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQVPROJ_SANITIZE=ON -DQVPROJ_BUILD_BENCH=OFF $(CMAKE_ARGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

bench: deps build
	$(BUILD)/bench/qvproj_bench --benchmark_min_time=0.2
	@if [ -x $(BUILD)/bench/qvproj_bench_proj ]; then $(BUILD)/bench/qvproj_bench_proj --benchmark_min_time=0.2; fi

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DQVPROJ_BUILD_FUZZ=ON -DQVPROJ_BUILD_TESTS=OFF -DQVPROJ_BUILD_BENCH=OFF -DQVPROJ_BUILD_CLI=OFF
	cmake --build build-fuzz -j $(JOBS)
	@scripts/run-fuzz build-fuzz

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz
