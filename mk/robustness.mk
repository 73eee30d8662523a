# The broken-asset matrix over the whole pack (the tests run a sample of it), as a table.
.PHONY: broken-assets

broken-assets: deps-test
	@$(MAKE) --no-print-directory build
	@tests/robustness/broken_assets.sh $(BUILD)/tools/capture/tamsirel-capture $(BUILD)/assets
