# Daubrix: `make run` builds the program alone and starts it, `make test` builds and runs every
# test under AddressSanitizer and UndefinedBehaviorSanitizer, `make bench` builds everything and
# runs the benchmarks, `make test-release` runs the suite in the optimised build and `make fuzz`
# runs every reader's fuzzer for FUZZ_SECONDS, `make monkey` drives the sanitizer build's program
# with random input for MONKEY_MINUTES, and `make package` builds the Debian package and checks it.
# All of them install missing Debian packages.

PACKAGES := cmake g++ make pkgconf ccache qt6-base-dev libjpeg62-turbo-dev libpng-dev libgtest-dev \
            libbenchmark-dev libavcodec-dev libavformat-dev libavutil-dev libswscale-dev libavfilter-dev \
            libwebp-dev poppler-utils ffmpeg webp xvfb openbox xdotool python3 imagemagick
FUZZ_PACKAGES := clang-14 libfuzzer-14-dev
PACKAGE_TOOLS := lintian desktop-file-utils appstream
FUZZ_SECONDS ?= 600
MONKEY_MINUTES ?= 10
MONKEY_SEED ?= 1
MONKEY_BUILD ?= build-asan
# MONKEY_BUILD=build-rel drives the optimised build instead.
MONKEY_CONFIG = $(if $(filter build-rel,$(MONKEY_BUILD)),-DCMAKE_BUILD_TYPE=RelWithDebInfo, \
                -DCMAKE_BUILD_TYPE=Debug -DDAUBRIX_SANITIZE=ON) -DDAUBRIX_BUILD_BENCH=OFF
FUZZ_ENTRIES := dbx dch dss bmp jpeg png settings tips
JOBS     ?= $(shell nproc)
# The compiler cache keys on paths relative to the checkout, so fresh clones and worktrees share it.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
SUDO     := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test test-release fuzz monkey build configure deps bench clean package

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

# Each reader starts from the committed corpus under fuzz/corpus and our own writers' seeds; new
# inputs gather in build-fuzz/corpus, and after the run the union is minimised back into
# fuzz/corpus (commit it). What a fuzzer finds lands in build-fuzz/found/ENTRY, its figures in
# build-fuzz/logs/ENTRY.log. A smaller sanitizer quarantine keeps freed memory from counting
# against the fuzzers' memory limit.
FUZZ_FLAGS := -rss_limit_mb=512 -malloc_limit_mb=256
fuzz: deps
	$(MAKE) deps PACKAGES="$(FUZZ_PACKAGES)"
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang-14 \
	  -DCMAKE_CXX_COMPILER=clang++-14 -DDAUBRIX_FUZZ=ON -DDAUBRIX_BUILD_APP=OFF -DDAUBRIX_BUILD_BENCH=OFF
	cmake --build build-fuzz -j $(JOBS)
	rm -rf build-fuzz/seeds && ./build-fuzz/bin/seed_corpus build-fuzz/seeds
	@mkdir -p build-fuzz/logs
	@for e in $(FUZZ_ENTRIES); do \
	  mkdir -p build-fuzz/corpus/$$e build-fuzz/found/$$e fuzz/corpus/$$e; \
	  echo "fuzz_$$e for $(FUZZ_SECONDS) s"; \
	  (cd build-fuzz/found/$$e && ASAN_OPTIONS=quarantine_size_mb=64 ../../bin/fuzz_$$e -max_total_time=$(FUZZ_SECONDS) \
	    $(FUZZ_FLAGS) -print_final_stats=1 ../../corpus/$$e ../../../fuzz/corpus/$$e ../../seeds/$$e) \
	    > build-fuzz/logs/$$e.log 2>&1 || { tail -n 60 build-fuzz/logs/$$e.log; exit 1; }; \
	  rm -rf build-fuzz/min/$$e && mkdir -p build-fuzz/min/$$e; \
	  ASAN_OPTIONS=quarantine_size_mb=64 ./build-fuzz/bin/fuzz_$$e -merge=1 $(FUZZ_FLAGS) build-fuzz/min/$$e \
	    fuzz/corpus/$$e build-fuzz/corpus/$$e build-fuzz/seeds/$$e > build-fuzz/logs/$$e-merge.log 2>&1 || exit 1; \
	  rm -rf fuzz/corpus/$$e && cp -r build-fuzz/min/$$e fuzz/corpus/$$e; \
	  grep -E "stat::number_of_executed_units|stat::average_exec_per_sec" build-fuzz/logs/$$e.log; \
	done

# Random use of the real program under Xvfb and openbox; the report ends with "N actions, M saves,
# K findings" and the target fails on a finding.
monkey: deps
	cmake -S . -B $(MONKEY_BUILD) $(MONKEY_CONFIG)
	cmake --build $(MONKEY_BUILD) -j $(JOBS) --target daubrix daubrix-cli
	rm -rf $(MONKEY_BUILD)/monkey
	python3 tools/monkey --program $(MONKEY_BUILD)/bin/daubrix --minutes $(MONKEY_MINUTES) --seed $(MONKEY_SEED) \
	  --work $(MONKEY_BUILD)/monkey

# The .deb from an optimised build of the programs alone, then the distributions' own checks:
# the desktop entry, the store metadata, and lintian (errors fail; its warnings are printed).
package: deps
	$(MAKE) deps PACKAGES="$(PACKAGE_TOOLS)"
	cmake -S . -B build-pkg -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDAUBRIX_BUILD_TESTS=OFF -DDAUBRIX_BUILD_BENCH=OFF
	cmake --build build-pkg -j $(JOBS)
	rm -f build-pkg/daubrix_*.deb
	cd build-pkg && cpack -G DEB
	desktop-file-validate packaging/daubrix.desktop
	appstreamcli validate --no-net packaging/com.quillhollow.daubrix.metainfo.xml
	lintian --fail-on error build-pkg/daubrix_*.deb

bench: build
	for b in build/bin/bench_*; do $$b; done

clean:
	rm -rf build build-asan build-rel build-fuzz build-pkg
