# Velmora: the two commands, `make run` and `make test`, on a fresh Debian 12.
SHELL := /bin/bash
BUILD_DIR ?= build
BUILD_TYPE ?= Release
JOBS ?= $(shell nproc)

PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-translations-l10n \
            libgtest-dev libgmock-dev libbenchmark-dev \
            libx11-dev xvfb xauth xdotool x11-utils imagemagick clang-14 libclang-rt-14-dev \
            clang-format-14 python3 desktop-file-utils shared-mime-info help2man \
            libpng-dev poppler-utils

SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

FUZZ_SECONDS ?= 60
CLANG := CC=clang-14 CXX=clang++-14

.PHONY: all setup configure build test run bench sets guide sanitize fuzz clean install

all: build

# Installs only what is missing; with everything present this is one dpkg-query.
setup:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${db:Status-Abbrev}' $$p 2>/dev/null | grep -q '^ii' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installation des paquets manquants :" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD_DIR)/build.ninja: CMakeLists.txt | setup
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: setup $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && set -o pipefail && \
	  ctest --output-on-failure -j $(JOBS) 2>&1 | tee ctest.log; status=$$?; \
	  grep -E '^[0-9]+% tests passed' ctest.log | tail -n 1; exit $$status

# Installs under PREFIX (/usr/local by default), then brings the desktop's
# databases of file types and menu entries up to date there.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)
	update-mime-database $(PREFIX)/share/mime
	update-desktop-database $(PREFIX)/share/applications

run: build
	@tools/run.sh $(BUILD_DIR)

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do echo "== $$b"; $$b; done

# The gesture sets shipped in src/res/, made again from their seed, then checked
# on fresh drawings of every way (the check says which codes miss their goals;
# the sets are written all the same); `make guide` draws their pictures.
sets: build
	$(BUILD_DIR)/tools/velmora-sets ecrire src/res
	-$(BUILD_DIR)/tools/velmora-sets verifier src/res

guide: build
	@mkdir -p docs/gestes
	@for set in formes commandes lettres; do \
	  $(BUILD_DIR)/tools/velmora-sets guide src/res/$$set.gst docs/gestes/$$set.png || exit 1; \
	done

# The whole test suite again, built with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer.
sanitize: setup
	@[ -f build-sanitize/build.ninja ] || $(CLANG) cmake -S . -B build-sanitize -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_SANITIZE=ON
	cmake --build build-sanitize -j $(JOBS)
	@cd build-sanitize && set -o pipefail && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS) 2>&1 | tee ctest.log; status=$$?; \
	  grep -E '^[0-9]+% tests passed' ctest.log | tail -n 1; exit $$status

fuzz: setup
	@[ -f build-fuzz/build.ninja ] || $(CLANG) cmake -S . -B build-fuzz -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS)
	fuzz/run.sh build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR) build-sanitize build-fuzz
