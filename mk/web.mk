# The browser build, compiled with Debian's emscripten and tested in headless Chromium.
# `make web` builds $(WEB_BUILD)/site/ (the page, the program, the asset pack) and
# $(WEB_BUILD)/tamsirel-web.zip; the asset pack comes from the Linux build's generator.
# `make serve-web` serves the site on 127.0.0.1 with the headers it needs and prints the address.
WEB_BUILD ?= build-web
WEB_PORT ?= 8080
# emcc's optimiser runs on node; the node on these machines finds Debian's node modules (acorn)
# only when told where they are.
web_env = NODE_PATH=/usr/share/nodejs

.PHONY: web deps-web serve-web

deps-web:
	@scripts/deps web

web: deps-web
	@$(MAKE) --no-print-directory configure
	@cmake --build $(BUILD) -j$(JOBS) --target assets
	@$(web_env) emcmake cmake -S . -B $(WEB_BUILD)/wasm -DCMAKE_BUILD_TYPE=Release \
	  -DTAMSIREL_CROSS_PREFIX="$$(scripts/cross-libs --prefix wasm32-emscripten)" \
	  -DTAMSIREL_HOST_ASSETS=$(CURDIR)/$(BUILD)/assets \
	  -DTAMSIREL_SITE_DIR=$(CURDIR)/$(WEB_BUILD)/site \
	  -DTAMSIREL_WEB_ZIP=$(CURDIR)/$(WEB_BUILD)/tamsirel-web.zip \
	  -DTAMSIREL_WERROR=ON >/dev/null
	@$(web_env) cmake --build $(WEB_BUILD)/wasm -j$(JOBS) -- --no-print-directory

serve-web: web
	@node tests/web/lib/serve.mjs $(WEB_BUILD)/site $(WEB_PORT)
