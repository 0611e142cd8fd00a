# The two commands a newcomer needs: `make run` and `make test`.
.PHONY: all setup build run test asan bench fuzz format clean

all: build

setup:
	@scripts/setup

build: setup
	cmake --preset dev >/dev/null
	cmake --build --preset dev

run: build
	@scripts/run build/dev/src/zephyra

test: build
	@scripts/check-layers
	ctest --preset dev
	@scripts/e2e build/dev/src/zephyra
	fuzz/run 20

asan: setup
	cmake --preset asan >/dev/null
	cmake --build --preset asan
	ZEPHYRA_STORM_EVENTS=100000 ctest --preset asan

bench: setup
	cmake --preset release >/dev/null
	cmake --build --preset release --target zephyra_bench zephyra_open_run
	build/release/bench/zephyra_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
	bench/odd_files build/release/bench/zephyra_open_run

fuzz: setup
	fuzz/run 600

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
