# Quick start: `make run` plays the game, `make test` runs the test suite headless.
.PHONY: deps configure build run test sweep asan test-asan sweep-asan release bench fuzz fuzz-check portability format format-check translations clean

JOBS ?= $(shell nproc)

# The long runs, left out of `make test` and `make test-asan` (and so out of CI) and run
# by `make sweep` and `make sweep-asan`: the seed sweep over thousands of puzzles (label
# sweep) and the long random play and memory runs on the real view (label soak).
LONG_RUNS = sweep|soak

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake --preset default

build: configure
	cmake --build --preset default -j $(JOBS)

run: build
	./build/app/wendrel

# Every test but the long runs, in the normal build; fails on any failure.
test: build
	QT_QPA_PLATFORM=offscreen ctest --preset default -j $(JOBS) -LE '$(LONG_RUNS)'

sweep: build
	QT_QPA_PLATFORM=offscreen ctest --preset default -j $(JOBS) -L '$(LONG_RUNS)'

asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)

test-asan: asan
	QT_QPA_PLATFORM=offscreen ctest --preset asan -j $(JOBS) -LE '$(LONG_RUNS)'

sweep-asan: asan
	QT_QPA_PLATFORM=offscreen ctest --preset asan -j $(JOBS) -L '$(LONG_RUNS)'

# The optimised build in build-release/: the game, wendrel-gen and the benchmarks, with
# warnings failing it as in every preset. CI builds it; `make bench` is the same build.
release: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

bench: release

# The game file reader under libFuzzer, from the seed corpus in fuzz/corpus; the figure
# file reader, from the box's figures; and the picture tracer, over drawings of up to 64 x
# 64 pixels (2 bytes of size, 512 of pixels). What they find new goes to build-fuzz/corpus,
# build-fuzz/figure-corpus and build-fuzz/picture-corpus, a crashing input to build-fuzz/.
# fuzz-check is the short run of CI.
FUZZ_SECONDS ?= 300

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz --target game_file_fuzzer figure_file_fuzzer picture_trace_fuzzer \
	  -j $(JOBS)
	mkdir -p build-fuzz/corpus build-fuzz/figure-corpus build-fuzz/picture-corpus
	./build-fuzz/fuzz/game_file_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=8192 \
	  -dict=fuzz/game_file.dict -artifact_prefix=build-fuzz/ build-fuzz/corpus fuzz/corpus
	./build-fuzz/fuzz/figure_file_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=8192 \
	  -artifact_prefix=build-fuzz/figure- build-fuzz/figure-corpus shapes/figures
	./build-fuzz/fuzz/picture_trace_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=514 \
	  -artifact_prefix=build-fuzz/picture- build-fuzz/picture-corpus

fuzz-check:
	$(MAKE) fuzz FUZZ_SECONDS=20

# wendrel-gen built with GCC, Clang, GCC -m32 and MinGW-w64 (run under Wine) must print
# the same puzzles. The GCC one is the normal build's wendrel-gen (build/, which `make
# test` builds too), so that CI compiles it once; the script builds the other three in
# build-portability/.
portability: configure
	cmake --build --preset default --target wendrel-gen -j $(JOBS)
	WENDREL_GCC_BUILD=build bash scripts/check-portability.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# Brings translations/*.ts up to date with the program's texts: new texts come in marked
# unfinished, texts the program no longer has go. Translate the unfinished ones, then build.
translations: configure
	cmake --build --preset default --target update_translations

clean:
	rm -rf build build-release build-asan build-fuzz build-portability
