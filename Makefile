# Two commands do everything on a fresh Debian machine:
#   make run    build and start the calendar
#   make test   build both configurations and run every test
# and make dist builds the portable zip, build/pelmo-<version>.zip.
BUILD   := build
NATIVE  := $(BUILD)/native
WINDOWS := $(BUILD)/windows
JOBS    ?= $(shell nproc)

.PHONY: all setup configure-native configure-windows native windows dist lint test run bench clean

all: native windows

setup:
	@bash tools/setup

configure-native: setup
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

configure-windows: setup
	@cmake -S . -B $(WINDOWS) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake \
	    -DCMAKE_BUILD_TYPE=Release -DPELMO_DIST_DIR=$(CURDIR)/$(BUILD) >/dev/null

native: configure-native
	@cmake --build $(NATIVE) -j $(JOBS)

windows: configure-windows
	@cmake --build $(WINDOWS) -j $(JOBS)

# The Windows build makes the zip with everything else; this names it.
dist: windows
	@echo "Distribution: $$(cat $(WINDOWS)/dist-zip)"

# Checks of the sources themselves, before anything is built: include order,
# format, clang-tidy and shellcheck. clang-tidy reads the compile commands
# that configuring writes.
lint: configure-native configure-windows
	@tools/lint $(NATIVE) $(WINDOWS) $(JOBS)

# One ctest run over both build folders, so one summary closes the output.
test: lint native windows
	@printf 'subdirs("native" "windows")\n' > $(BUILD)/CTestTestfile.cmake
	@tools/with-display tools/wine-prefix
	@tools/with-display ctest --test-dir $(BUILD) --output-on-failure

run: native windows
	@tools/run-calendar $(NATIVE) $(WINDOWS)

bench: native windows
	@$(NATIVE)/bench_core
	@if [ -x $(WINDOWS)/bench_window.exe ]; then tools/wine-run $(WINDOWS)/bench_window.exe; fi

clean:
	rm -rf $(BUILD)
