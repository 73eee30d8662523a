# `make bench`: the decoders' benchmark (when the textures' make file defines it), then the
# capture's scene benchmark at the demo's three sizes. Figures only; nothing is asserted.
BENCH_SIZES ?= 640x480 800x600 1024x768

bench:
	@scripts/deps build bench
	@$(MAKE) --no-print-directory build
	@if [ -f mk/textures.mk ]; then $(MAKE) --no-print-directory bench-textures; fi
	@for size in $(BENCH_SIZES); do \
	  $(BUILD)/tools/capture/tamsirel-capture --bench --size $$size --assets $(BUILD)/assets || exit 1; \
	done
