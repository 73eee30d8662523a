# Installing into a prefix and building the Debian package from the same install rules. CPack
# gives the package's folders and its own members the modes its staging folder has on disk, so it
# runs under the usual umask: under 077 the package would install folders only root can read.
PREFIX ?= /usr/local

.PHONY: install package

install: deps-play
	@$(MAKE) --no-print-directory build
	@cmake --install $(BUILD) --prefix "$(PREFIX)"

package: deps-play
	@scripts/deps package
	@$(MAKE) --no-print-directory build
	@cd $(BUILD) && umask 022 && cpack -G DEB
