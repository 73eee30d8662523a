# `make bench`: the decoders' benchmark, then the capture's scene benchmark at the demo's three
# sizes, each followed by the same frames replayed from an apitrace recording of their GL calls
# (the program's own cost is the difference). Figures only; nothing is asserted.
BENCH_SIZES ?= 640x480 800x600 1024x768

bench:
	@scripts/deps build bench
	@$(MAKE) --no-print-directory build
	@$(MAKE) --no-print-directory bench-textures
	@for size in $(BENCH_SIZES); do \
	  $(BUILD)/tools/capture/tamsirel-capture --bench --size $$size --assets $(BUILD)/assets \
	    | tee $(BUILD)/bench-$$size.json || exit 1; \
	  scripts/bench-replay $(BUILD)/tools/capture/tamsirel-capture $(BUILD)/assets $$size \
	    $(BUILD)/bench-$$size.json || exit 1; \
	done
