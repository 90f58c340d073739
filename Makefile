# The two everyday commands are `make run` and `make test`; both install what is missing first.
BUILD      ?= build
BUILD_SAN  ?= build-sanitize
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
# Where `make run` keeps the program's own files (default.set, WorkingDir), away from your own.
RUN_HOME   ?= $(CURDIR)/$(BUILD)/run-home

.PHONY: deps configure build run test bench test-sanitize package screenshots format format-check clean

deps:
	@bash scripts/install-deps.sh

# A new build folder is made for Ninja, which starts a file's compilation as soon as what it
# includes is generated rather than after the libraries it links; a folder made earlier keeps
# the generator it has.
generator_for = $(if $(wildcard $(1)/CMakeCache.txt),,-G Ninja)

configure: deps
	@cmake -S . -B $(BUILD) $(call generator_for,$(BUILD)) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	DIRFORGE_HOME=$(RUN_HOME) $(BUILD)/src/dirforge

test: build
	@cd $(BUILD) && DIRFORGE_HOME=$(CURDIR)/$(BUILD)/test-home QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: configure
	@cmake --build $(BUILD) -j $(JOBS) --target dirforge_bench
	@$(BUILD)/bench/dirforge_bench

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer, and without
# precompiled headers or unity batches, so a file that does not include what it uses fails
# here; the benchmarks and the screenshot tool, which make test does not build, are compiled
# here too.
test-sanitize: deps
	@cmake -S . -B $(BUILD_SAN) $(call generator_for,$(BUILD_SAN)) -DCMAKE_BUILD_TYPE=Debug -DDIRFORGE_SANITIZE=ON -DDIRFORGE_PCH=OFF -DDIRFORGE_UNITY=OFF $(CMAKE_ARGS) > /dev/null
	@cmake --build $(BUILD_SAN) -j $(JOBS) --target all dirforge_bench dirforge_screenshots
	@cd $(BUILD_SAN) && DIRFORGE_HOME=$(CURDIR)/$(BUILD_SAN)/test-home QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

# A Debian package of the release build (dirforge_VERSION_ARCH.deb in this folder); install it
# with `apt-get install ./dirforge_*.deb`.
package: build
	@cd $(BUILD) && cpack -G DEB

# The pictures in docs/images/: the program under Xvfb on a small demo tree, with the fonts
# the install script brings and no others.
screenshots: configure
	@cmake --build $(BUILD) -j $(JOBS) --target dirforge_screenshots
	@FONTCONFIG_FILE=$(CURDIR)/tools/screenshots/fonts.conf xvfb-run -a -s "-screen 0 1280x1024x24" \
		$(BUILD)/tools/screenshots/dirforge_screenshots docs/images

# Every C and C++ file in .clang-format's layout: format-check fails on the first that is not,
# format rewrites them.
FORMATTED = $(shell git ls-files '*.cpp' '*.h' '*.c' 2>/dev/null || find src tests bench tools -name '*.cpp' -o -name '*.h' -o -name '*.c')

format-check: deps
	@clang-format --dry-run --Werror $(FORMATTED)

format: deps
	@clang-format -i $(FORMATTED)

clean:
	rm -rf $(BUILD) $(BUILD_SAN)
