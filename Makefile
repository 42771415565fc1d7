# Two commands do everything on a fresh Debian machine:
#   make run    build and start the calendar
#   make test   build both configurations and run every test
# and make dist builds the portable zip, build/pelmo-<version>.zip.
BUILD   := build
NATIVE  := $(BUILD)/native
WINDOWS := $(BUILD)/windows
JOBS    ?= $(shell nproc)

.PHONY: all setup native windows dist lint test run bench clean

all: native windows

setup:
	@bash tools/setup

native: setup
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

windows: setup
	@cmake -S . -B $(WINDOWS) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake \
	    -DCMAKE_BUILD_TYPE=Release -DPELMO_DIST_DIR=$(CURDIR)/$(BUILD) >/dev/null
	@cmake --build $(WINDOWS) -j $(JOBS)

# The Windows build makes the zip with everything else; this names it.
dist: windows
	@echo "Distribution: $$(cat $(WINDOWS)/dist-zip)"

# Checks of the sources themselves, before anything runs.
lint: setup
	@python3 tools/check_includes.py

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
