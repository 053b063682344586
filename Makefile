# make run      installs what is missing, builds, converts examples/sample.QV
# make test     installs what is missing, builds, runs every test (also under
#               AddressSanitizer and UndefinedBehaviorSanitizer, and the
#               Windows build under Wine)
# make windows  cross-builds the Windows programs and dist/peltarix-VERSION-windows-x64.zip

BUILD_DIR ?= build
ASAN_DIR ?= build-asan
WINDOWS_DIR ?= build-windows
JOBS ?= $(shell nproc)
# Warnings fail the builds that make and CI run.
CMAKE_FLAGS ?= -DPELTARIX_WERROR=ON

PACKAGES := cmake g++ make ninja-build locales libgtest-dev libgmock-dev libbenchmark-dev \
            libcli11-dev nlohmann-json3-dev libboost-dev qt6-base-dev qt6-svg-dev \
            qt6-translations-l10n fonts-ipafont-gothic libxml2-utils valgrind
# The Windows build: MinGW-w64 cross compiler, Wine and a virtual display for
# its checks.
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 xvfb xdotool \
                    imagemagick fonts-ipafont-gothic googletest libcli11-dev libboost-dev \
                    nlohmann-json3-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps deps-windows build asan windows run test test-fast test-windows bench callgrind \
        fuzz clean

all: build

deps: PACKAGE_LIST = $(PACKAGES)
deps-windows: PACKAGE_LIST = $(WINDOWS_PACKAGES)
deps deps-windows:
	@missing=""; \
	for p in $(PACKAGE_LIST); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
	@# The tests check that numbers keep "." as decimal separator under a German locale.
	@[ "$@" = deps-windows ] || locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$$' || $(SUDO) localedef -i de_DE -f UTF-8 de_DE.UTF-8

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELTARIX_GUI=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

asan: deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPELTARIX_SANITIZE=ON \
	  -DPELTARIX_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_DIR) -j $(JOBS)

# The Windows programs, their tests and the zip, cross-built with MinGW-w64.
windows: deps-windows
	cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake $(CMAKE_FLAGS)
	cmake --build $(WINDOWS_DIR) -j $(JOBS)
	mkdir -p dist && cp $(WINDOWS_DIR)/peltarix-*-windows-x64.zip dist/

run: build
	$(BUILD_DIR)/peltarix-convert --overwrite examples/sample.QV -o $(BUILD_DIR)/sample.csv

test: build asan
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS)
	$(MAKE) test-windows

# The Windows build under Wine: unit tests, the command line against the
# Linux build, the window under Xvfb (screenshot in WINDOWS_DIR/window.png).
test-windows: build windows
	tests/windows/check_windows.sh $(BUILD_DIR) $(WINDOWS_DIR)

# The plain build's tests only, for a quick check while working.
test-fast: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

bench: build
	$(BUILD_DIR)/bench/peltarix_bench

# Instructions per source byte (callgrind) of a whole run and of its reading step.
callgrind: build
	bench/callgrind_per_byte.sh $(BUILD_DIR)

# Runs each libFuzzer harness for FUZZ_SECONDS (needs clang): the whole run,
# the polygon union, and the lookups against the literal line scan. The
# committed seeds are copied into working corpora under FUZZ_DIR, which keep
# what the fuzzers add; crashing inputs land in FUZZ_DIR/artifacts.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_HARNESSES := run geometry lookup
FUZZ_FLAGS ?= -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
FUZZ_OPTIONS_run := -max_len=65536 -dict=fuzz/run.dict
FUZZ_OPTIONS_geometry := -max_len=4096
FUZZ_OPTIONS_lookup := -max_len=4096 -dict=fuzz/run.dict

fuzz: deps
	@command -v clang++ >/dev/null || { echo "make fuzz needs clang: apt-get install clang"; exit 1; }
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DPELTARIX_FUZZ=ON -DPELTARIX_GUI=OFF -DPELTARIX_TESTS=OFF -DPELTARIX_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(FUZZ_HARNESSES:%=peltarix_fuzz_%)
	@for harness in $(FUZZ_HARNESSES); do \
	  case $$harness in \
	    run) options="$(FUZZ_OPTIONS_run)"; seeds=run;; \
	    geometry) options="$(FUZZ_OPTIONS_geometry)"; seeds=geometry;; \
	    lookup) options="$(FUZZ_OPTIONS_lookup)"; seeds=run;; \
	  esac; \
	  corpus=$(FUZZ_DIR)/corpus/$$harness; artifacts=$(FUZZ_DIR)/artifacts/$$harness; \
	  mkdir -p $$corpus $$artifacts && cp -n fuzz/corpus/$$seeds/* $$corpus/ && \
	  echo "== fuzzing $$harness for $(FUZZ_SECONDS) s" && \
	  $(FUZZ_DIR)/fuzz/peltarix_fuzz_$$harness $(FUZZ_FLAGS) -max_total_time=$(FUZZ_SECONDS) \
	    $$options -artifact_prefix=$$artifacts/ $$corpus || exit 1; \
	done

# Every build folder: the plain and sanitizer builds, the fuzzers, the
# Windows cross build and any other build-* folder.
clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(WINDOWS_DIR) build build-* dist
