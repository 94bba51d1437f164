# The front door: `make run` and `make test` (see README.md).
.PHONY: run test dist deps native windows tsan fuzz bench screenshots clean

run: deps
	scripts/run.sh

test: deps
	scripts/test.sh

dist: deps
	scripts/dist.sh

deps:
	@scripts/deps.sh

native:
	cmake --preset native >/dev/null
	cmake --build build/native -j2

windows:
	cmake --preset windows >/dev/null
	cmake --build build/windows -j2

bench: deps
	scripts/bench.sh

screenshots: deps
	scripts/screenshots.sh

clean:
	-scripts/winenv.sh stop
	rm -rf build
