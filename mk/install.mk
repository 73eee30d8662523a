# Installing into a prefix and building the Debian package from the same install rules.
PREFIX ?= /usr/local

.PHONY: install package

install: deps-play
	@$(MAKE) --no-print-directory build
	@cmake --install $(BUILD) --prefix "$(PREFIX)"

package: deps-play
	@scripts/deps package
	@$(MAKE) --no-print-directory build
	@cd $(BUILD) && cpack -G DEB
