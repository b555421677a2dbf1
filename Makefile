# Daubrix: `make run` builds the program alone and starts it, `make test` builds and runs every
# test under AddressSanitizer and UndefinedBehaviorSanitizer, `make bench` builds everything and
# runs the benchmarks. All of them install missing Debian packages.

PACKAGES := cmake g++ make pkgconf qt6-base-dev libjpeg62-turbo-dev libgtest-dev libbenchmark-dev
JOBS     ?= $(shell nproc)
SUDO     := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test build configure deps bench clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

configure: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build build -j $(JOBS)

# The program and what it needs only; the tests and benchmarks wait for `make test`/`make bench`.
run: configure
	cmake --build build -j $(JOBS) --target daubrix
	./build/bin/daubrix

test: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DDAUBRIX_SANITIZE=ON -DDAUBRIX_BUILD_BENCH=OFF
	cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

bench: build
	for b in build/bin/bench_*; do $$b; done

clean:
	rm -rf build build-asan
