# The texture decoders' fuzzing and benchmark. `make fuzz` builds the libFuzzer targets with
# clang in $(FUZZ_BUILD), writes the seed corpus there and runs each fuzzer FUZZ_SECONDS; any
# crash, leak, timeout or out-of-memory input lands in tests/textures/regressions/, which
# `make test` replays. `make bench-textures` prints decoding throughput against stb_image.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 300
FUZZ_REGRESSIONS := tests/textures/regressions

.PHONY: fuzz bench-textures

fuzz:
	@scripts/deps fuzz
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DTAMSIREL_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS) --target bmp_fuzzer png_fuzzer textures_fuzz_seeds
	@rm -rf $(FUZZ_BUILD)/seeds && $(FUZZ_BUILD)/tests/fuzz/textures_fuzz_seeds $(FUZZ_BUILD)/seeds
	@for kind in bmp png; do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$kind && \
	  $(FUZZ_BUILD)/tests/fuzz/$${kind}_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	    -rss_limit_mb=2048 -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_REGRESSIONS)/$$kind- \
	    $(FUZZ_BUILD)/corpus/$$kind $(FUZZ_BUILD)/seeds/$$kind || exit 1; \
	done

bench-textures:
	@scripts/deps bench
	@$(MAKE) --no-print-directory configure
	@cmake --build $(BUILD) -j$(JOBS) --target textures_bench
	@$(BUILD)/tools/bench/textures_bench
