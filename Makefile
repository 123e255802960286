# Two entry points: `make run` builds and starts the program, `make test` builds everything
# (sanitizer build) and runs every test. Both install missing Debian packages first.
JOBS ?= $(shell nproc)
RELEASE_DIR := build/release
CHECK_DIR := build/check

.PHONY: deps release run test bench install package fuzz soak clean

deps:
	./scripts/install-deps.sh

release: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(RELEASE_DIR) -j $(JOBS)

DEMO_CLIP := build/demo/brisat-demo.avi

run: release
	./scripts/make-demo-clip.sh $(DEMO_CLIP)
	./scripts/run.sh $(RELEASE_DIR)/brisat $(DEMO_CLIP)

test: deps
	cmake -S . -B $(CHECK_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRISAT_SANITIZE=ON -DBRISAT_WERROR=ON
	cmake --build $(CHECK_DIR) -j $(JOBS)
	# A test that fails is run again, up to three times in all: a few tests that time real input
	# still miss on a loaded machine, and each such retry shows in the output.
	cd $(CHECK_DIR) && ctest --output-on-failure -j $(JOBS) --repeat until-pass:3

# Installs the release build under PREFIX (and DESTDIR, for staging).
PREFIX ?= /usr/local
install: release
	DESTDIR=$(DESTDIR) cmake --install $(RELEASE_DIR) --prefix $(PREFIX)

# A Debian package of the release build in build/release/package.
package: release
	cd $(RELEASE_DIR) && cpack -G DEB -B package

# Every fuzz target for FUZZ_SECONDS each (clang's libFuzzer, build/fuzz).
fuzz: deps
	./scripts/fuzz.sh

# The release build plays 200 generated clips back to back under Xvfb; memory, descriptors and
# threads must stay flat and no clip may hold the playlist up (build/soak).
soak: release
	./scripts/soak.sh

bench: release
	for b in $(RELEASE_DIR)/bench/bench_*; do $$b; done

clean:
	rm -rf build
