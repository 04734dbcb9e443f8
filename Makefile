# Quick start: `make run` plays the game, `make test` runs the whole test suite headless.
.PHONY: deps configure build run test test-asan portability bench format format-check translations clean

JOBS ?= $(shell nproc)

deps:
	bash tools/install-deps.sh

configure: deps
	cmake --preset default

build: configure
	cmake --build --preset default -j $(JOBS)

run: build
	./build/app/wendrel

test: build
	QT_QPA_PLATFORM=offscreen ctest --preset default -j $(JOBS)

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ctest --preset asan -j $(JOBS)

# wendrel-gen built with GCC, Clang, GCC -m32 and MinGW-w64 (run under Wine) must print
# the same puzzles.
portability: deps
	bash tools/check-portability.sh

bench: build
	cmake --build --preset default --target bench -j $(JOBS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# Brings translations/*.ts up to date with the program's texts: new texts come in marked
# unfinished, texts the program no longer has go. Translate the unfinished ones, then build.
translations: configure
	cmake --build --preset default --target update_translations

clean:
	rm -rf build build-asan build-portability
