# The texture decoders' fuzzing and benchmark. `make fuzz` builds the libFuzzer targets with
# clang in $(FUZZ_BUILD), writes the seed corpus there and runs each fuzzer FUZZ_SECONDS (with
# tests/fuzz/KIND.dict when there is one); any crash, leak, timeout or out-of-memory input lands
# in tests/textures/regressions/, which `make test` replays. `make bench-textures` prints decoding throughput against stb_image.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 300
FUZZ_REGRESSIONS := tests/textures/regressions
# A decode may hold its own pixels (at most 192 MiB at the decoders' size cap) and little more;
# any single allocation of FUZZ_MALLOC_MB fails the run, however briefly it is held. The RSS
# limit leaves room for the address sanitizer's quarantine and shadow beside such a picture.
FUZZ_MALLOC_MB ?= 256
FUZZ_RSS_MB ?= 1024

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
	    -malloc_limit_mb=$(FUZZ_MALLOC_MB) -rss_limit_mb=$(FUZZ_RSS_MB) -print_final_stats=1 \
	    $$(test -f tests/fuzz/$$kind.dict && echo -dict=tests/fuzz/$$kind.dict) \
	    -artifact_prefix=$(FUZZ_REGRESSIONS)/$$kind- \
	    $(FUZZ_BUILD)/corpus/$$kind $(FUZZ_BUILD)/seeds/$$kind || exit 1; \
	done

bench-textures:
	@scripts/deps bench
	@$(MAKE) --no-print-directory configure
	@cmake --build $(BUILD) -j$(JOBS) --target textures_bench
	@$(BUILD)/tools/bench/textures_bench
