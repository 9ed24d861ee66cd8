# Two commands for a fresh Debian 12 machine: `make run` and `make test`.
JOBS := $(shell nproc)
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo

PREFIX ?= /usr/local

.PHONY: run test deps build build-asan bench install package clean

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
	rm -rf build build-asan
