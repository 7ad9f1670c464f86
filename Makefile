# The two commands of the README: `make demo` and `make test`. Both install what is missing,
# configure CMake with Ninja into out/ and build before they run.
OUT := out
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build test demo bench clean

all: build

deps:
	@scripts/install-deps

$(OUT)/build.ninja:
	cmake -S . -B $(OUT) -G Ninja $(CMAKE_FLAGS)

configure: deps $(OUT)/build.ninja

build: configure
	cmake --build $(OUT) -j $(JOBS)

test: build
	ctest --test-dir $(OUT) --output-on-failure -j $(JOBS)

# The example project holds deliberate findings, so a check that finds them ends with status 1; any other failure
# fails the target.
demo: build
	$(OUT)/bin/tessary check examples/TessaryDemo/TessaryDemo.xcodeproj || [ $$? -eq 1 ]

bench: build
	$(OUT)/libexec/tessary-benchmarks

clean:
	rm -rf $(OUT)
