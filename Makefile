# Front door. `make test` is what CI runs; `make demo` shows the main job.
.PHONY: all bootstrap build test demo clean native win32 win64

PRESETS := native win64 win32

all: build

bootstrap:
	@tools/bootstrap

native win32 win64: bootstrap
	@cmake --preset $@ >/dev/null
	@cmake --build --preset $@

build: native win32 win64

test: build
	ctest --preset native
	ctest --preset win64
	tools/check-dll build/win32/bin/*.dll

demo: bootstrap win64
	@tools/demo

clean:
	rm -rf build

# Each fuzz target for FUZZ_SECONDS (default 60); fails on any finding.
.PHONY: fuzz bench
fuzz:
	@FUZZ_SECONDS=$(or $(FUZZ_SECONDS),60) tools/fuzz

# Every benchmark of bench/ (native and under wine) as one table for the README.
bench:
	@tools/bench
