# Two commands for a fresh Debian 12 machine: `make run` and `make test`.
JOBS := $(shell nproc)
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo

PREFIX ?= /usr/local

.PHONY: run test deps build build-asan fuzz bench install package clean

run: build
	./build/app/tarvio

test: build build-asan
	cd build && ctest --output-on-failure -j$(JOBS)
	cd build-asan && ctest --output-on-failure -j$(JOBS)

deps:
	@sh scripts/installer-dependances.sh

build: deps
	cmake -S . -B build $(CMAKE_FLAGS)
	cmake --build build -j$(JOBS)

# The same suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
build-asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTARVIO_SANITIZE=ON
	cmake --build build-asan -j$(JOBS)

# Each fuzz target a minute under libFuzzer, clang, ASan and UBSan; what it finds new goes to
# build-fuzz/corpus/<target>, a fault to build-fuzz/crash-*. `make test` replays tests/fuzz/corpus.
FUZZ_CIBLES := nombres actuariel echeancier offre dossier decoupage
fuzz: deps
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DTARVIO_FUZZ=ON -DTARVIO_BENCH=OFF
	cmake --build build-fuzz -j$(JOBS) $(addprefix --target fuzz_,$(FUZZ_CIBLES))
	for c in $(FUZZ_CIBLES); do \
	  mkdir -p build-fuzz/corpus/$$c && \
	  (cd build-fuzz && tests/fuzz/fuzz_$$c -max_total_time=60 -timeout=1 -rss_limit_mb=2048 \
	    corpus/$$c ../tests/fuzz/corpus/$$c) || exit 1; \
	done

bench: build
	build/bench/bench_calc
	build/bench/grand_tableau
	TARVIO_MODULES=build/app build/bench/echeancier_fenetre
	TARVIO_MODULES=build/app build/bench/comparaison_fenetre
	bench/demarrage.sh build
	build/bench/impression_rapport

install: build
	cmake --install build --prefix $(PREFIX)

# build/tarvio_<version>_<arch>.deb, from the same install rules.
package: build
	cmake --build build --target package

clean:
	rm -rf build build-asan build-fuzz
