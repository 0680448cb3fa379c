# Every target installs what is missing first, so a fresh Debian machine needs nothing else.
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 600

.PHONY: deps build test run bench fuzz format clean package package-check

# Configures a preset's tree; a tree an older checkout made with another generator is made anew.
define configure
	@grep -qs '^CMAKE_GENERATOR:INTERNAL=Ninja$$' $(2)/CMakeCache.txt || rm -rf $(2)
	cmake --preset $(1)
endef

deps:
	@scripts/install-deps.sh

build: deps
	$(call configure,release,build)
	cmake --build --preset release -j $(JOBS)

# Two trees, each built only as far as its tests need: the release tree with every suite, and
# one clang tree with ASan and UBSan for the core tests and the fuzz run.
test: deps
	$(call configure,release,build)
	cmake --build --preset release -j $(JOBS) --target kx-core-tests kx-gui-tests
	ctest --preset release -j $(JOBS)
	$(call configure,fuzz,build-fuzz)
	cmake --build --preset fuzz -j $(JOBS) --target kx-core-tests kx-analyse fuzz-leesconstructie
	ctest --preset fuzz -j $(JOBS)

run: build
	build/bin/plastokinetica

# The Debian package in build-pakket/, built without tests, and its contents listed and checked.
package: deps
	$(call configure,pakket,build-pakket)
	cmake --build --preset pakket -j $(JOBS) --target package

package-check: package
	scripts/check-package.sh

bench: build
	build/bin/kx-bench

fuzz: deps
	$(call configure,fuzz,build-fuzz)
	cmake --build --preset fuzz -j $(JOBS) --target fuzz-leesconstructie
	mkdir -p build-fuzz/corpus
	build-fuzz/bin/fuzz-leesconstructie -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=build-fuzz/ build-fuzz/corpus fuzz/corpus

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-sanitize build-fuzz build-pakket

# Installs the package in a fresh Debian 12 root and checks that it runs there (root, network).
.PHONY: install-check
install-check: package
	scripts/check-install.sh $$(ls -t build-pakket/plastokinetica_*.deb | head -n 1)
