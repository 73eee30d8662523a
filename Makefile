# The README's commands. `make demo` builds the program and the asset pack and plays the demo;
# `make test` builds everything and runs every test. Both install missing Debian packages first.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=
# The packages' members carry the sources' time, not the build's, so that the same commit gives
# the same packages; scripts/source-date-epoch says where that time comes from.
ifeq ($(origin SOURCE_DATE_EPOCH),undefined)
SOURCE_DATE_EPOCH := $(shell scripts/source-date-epoch)
endif
export SOURCE_DATE_EPOCH

.PHONY: all demo test configure build deps-play deps-test bench clean

all: build

deps-play:
	@scripts/deps build play

deps-test:
	@scripts/deps test

configure:
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

demo: deps-play
	@$(MAKE) --no-print-directory build
	@cd $(BUILD)/assets && ../src/shell/tamsirel

test: deps-test
	@$(MAKE) --no-print-directory build CMAKE_FLAGS="$(CMAKE_FLAGS) -DTAMSIREL_WERROR=ON"
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS) --timeout 300

clean:
	@rm -rf $(BUILD)

-include mk/*.mk
