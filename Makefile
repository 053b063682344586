# make run   installs what is missing, builds, converts examples/sample.QV
# make test  installs what is missing, builds, runs every test (also under
#            AddressSanitizer and UndefinedBehaviorSanitizer)

BUILD_DIR ?= build
ASAN_DIR ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

PACKAGES := cmake g++ make ninja-build locales libgtest-dev libgmock-dev libbenchmark-dev \
            libcli11-dev libboost-dev qt6-base-dev fonts-ipafont-gothic

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build asan run test test-fast bench clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
	@# The tests check that numbers keep "." as decimal separator under a German locale.
	@locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$$' || $(SUDO) localedef -i de_DE -f UTF-8 de_DE.UTF-8

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELTARIX_GUI=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

asan: deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPELTARIX_SANITIZE=ON \
	  -DPELTARIX_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/peltarix-convert --overwrite examples/sample.QV -o $(BUILD_DIR)/sample.csv

test: build asan
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS)

# The plain build's tests only, for a quick check while working.
test-fast: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

bench: build
	$(BUILD_DIR)/bench/peltarix_bench

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
