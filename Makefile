# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The two commands of the README, plus the pieces they are made of.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: all deps build run test test-sanitize bench install package clean

all: build

deps:
	./scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/player/velkor-player

test: build
	cd $(BUILD) && ctest --output-on-failure

# The sanitizer build (CMake preset "sanitize", in build-sanitize): the library,
# the player and every test with AddressSanitizer and UndefinedBehaviorSanitizer,
# plus the fuzz targets when the compiler is clang. Runs the whole CTest suite.
test-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b; done

install: build
	cmake --install $(BUILD)

# The Debian packages velkor-player, libsarv2 and libsarv-dev, in $(BUILD)/packages.
package: build
	cd $(BUILD) && cpack

clean:
	rm -rf $(BUILD)
