# The two commands: `make run` and `make test`. Both install what is missing
# (Debian 12, as root), build, then start the program or run every test.
SHELL := /bin/bash
.PHONY: all deps build run test snapshots bench fuzz clean installer installer-test

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@scripts/build.sh

run: build
	@scripts/run.sh

test: build
	@scripts/test.sh

snapshots: build
	@scripts/snapshots.sh

installer: build
	@scripts/installer.sh

installer-test: installer
	@scripts/installer-test.sh

bench: build
	@scripts/bench.sh

fuzz: deps
	@if [ -x fuzz/run.sh ]; then fuzz/run.sh; else echo "no fuzz targets yet"; fi

clean:
	rm -rf build
