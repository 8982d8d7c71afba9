# The two commands of the README, plus the pieces they are made of.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: all deps build run test bench install package clean

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

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b; done

install: build
	cmake --install $(BUILD)

# The Debian packages velkor-player, libsarv2 and libsarv-dev, in $(BUILD)/packages.
package: build
	cd $(BUILD) && cpack

clean:
	rm -rf $(BUILD)
