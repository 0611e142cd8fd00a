# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands a newcomer needs: `make run` and `make test`.
.PHONY: all setup build run test lint package asan bench fuzz format translations clean

# CI makes every compiler warning an error: make test WERROR=ON
WERROR ?= OFF

all: build

setup:
	@scripts/setup test

build: setup
	cmake --preset dev -DCMAKE_COMPILE_WARNING_AS_ERROR=$(WERROR) >/dev/null
	cmake --build --preset dev

# Only what the program needs: its packages, and the program itself.
run:
	@scripts/setup run
	cmake --preset run >/dev/null
	cmake --build --preset run
	@scripts/run build/dev/src/zephyra

test: build
	@scripts/check-layers
	ctest --preset dev
	@scripts/e2e build/dev/src/zephyra
	@scripts/package-check build/dev
	fuzz/run 20

# clang-format and clang-tidy over the tree (the checks in .clang-tidy).
lint: build
	scripts/lint build/dev

# The Debian package, zephyra_VERSION_ARCH.deb in build/dev.
package: build
	cmake --build --preset dev --target package

asan: setup
	cmake --preset asan -DCMAKE_COMPILE_WARNING_AS_ERROR=$(WERROR) >/dev/null
	cmake --build --preset asan
	ZEPHYRA_STORM_EVENTS=100000 ctest --preset asan

bench: setup
	cmake --preset release >/dev/null
	cmake --build --preset release --target zephyra_bench zephyra_open_run zephyra_flight_run zephyra_bare_picture
	build/release/bench/zephyra_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
	bench/odd_files build/release/bench/zephyra_open_run
	bench/whole_program --bare build/release/bench/zephyra_bare_picture build/release/bench/zephyra_flight_run
	# Full screen on 1920 x 1080 shows the client area at 191.0 %; the bare picture at that scale.
	bench/whole_program --screen 1920x1080 --bare "build/release/bench/zephyra_bare_picture --scale 1.910" build/release/bench/zephyra_flight_run --full-screen

fuzz: setup
	fuzz/run 600

# Brings translations/*.ts in line with the texts in the sources, for the translators.
translations: setup
	cmake --preset dev >/dev/null
	cmake --build --preset dev --target update_translations

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
