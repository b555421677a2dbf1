# Daubrix: `make run` builds the program alone and starts it, `make test` builds and runs every
# test under AddressSanitizer and UndefinedBehaviorSanitizer, `make bench` builds everything and
# runs the benchmarks, `make test-release` runs the suite in the optimised build and `make fuzz`
# runs every reader's fuzzer for FUZZ_SECONDS. All of them install missing Debian packages.

PACKAGES := cmake g++ make pkgconf ccache qt6-base-dev libjpeg62-turbo-dev libpng-dev libgtest-dev \
            libbenchmark-dev libavcodec-dev libavformat-dev libavutil-dev libswscale-dev libavfilter-dev libwebp-dev poppler-utils \
            ffmpeg webp
FUZZ_PACKAGES := clang-14 libfuzzer-14-dev
FUZZ_SECONDS ?= 60
FUZZ_ENTRIES := dbx dch dss bmp jpeg png settings tips
JOBS     ?= $(shell nproc)
SUDO     := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test test-release fuzz build configure deps bench clean

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

# The same suite once more in the optimised build, where timing differs from the sanitizer one.
test-release: deps
	cmake -S . -B build-rel -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDAUBRIX_BUILD_BENCH=OFF
	cmake --build build-rel -j $(JOBS)
	cd build-rel && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Seeds come from our own writers; what a fuzzer finds lands in build-fuzz/found/ENTRY. A smaller
# sanitizer quarantine keeps freed memory from counting against the fuzzers' memory limit.
fuzz: deps
	$(MAKE) deps PACKAGES="$(FUZZ_PACKAGES)"
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang-14 \
	  -DCMAKE_CXX_COMPILER=clang++-14 -DDAUBRIX_FUZZ=ON -DDAUBRIX_BUILD_APP=OFF -DDAUBRIX_BUILD_BENCH=OFF
	cmake --build build-fuzz -j $(JOBS)
	rm -rf build-fuzz/seeds && ./build-fuzz/bin/seed_corpus build-fuzz/seeds
	@for e in $(FUZZ_ENTRIES); do \
	  mkdir -p build-fuzz/corpus/$$e build-fuzz/found/$$e; \
	  (cd build-fuzz/found/$$e && ASAN_OPTIONS=quarantine_size_mb=64 ../../bin/fuzz_$$e -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=512 \
	    -malloc_limit_mb=256 -print_final_stats=1 ../../corpus/$$e ../../seeds/$$e) || exit 1; \
	done

bench: build
	for b in build/bin/bench_*; do $$b; done

clean:
	rm -rf build build-asan build-rel build-fuzz
