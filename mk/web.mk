# The browser build, compiled with Debian's emscripten and tested in headless Chromium.
# `make web` builds $(WEB_BUILD)/site/ (the page, the program, the asset pack) and
# $(WEB_BUILD)/tamsirel-web.zip; the asset pack comes from the Linux build's generator.
# `make test-web` runs the browser build's tests: its unit tests under node, then the GL layer,
# the scenes' frames and the page end to end in headless Chromium (puppeteer-core from npm,
# pinned by tests/web/package-lock.json). `make serve-web` serves the site on 127.0.0.1, as any
# static host would, and prints the address.
WEB_BUILD ?= build-web
WEB_PORT ?= 8080
# emcc's optimiser runs on node; the node on these machines finds Debian's node modules (acorn)
# only when told where they are.
web_env = NODE_PATH=/usr/share/nodejs

.PHONY: web configure-web deps-web test-web serve-web bench-web

deps-web:
	@scripts/deps web

web: configure-web
	@$(web_env) cmake --build $(WEB_BUILD)/wasm -j$(JOBS) --target web_site -- --no-print-directory

configure-web: deps-web
	@$(MAKE) --no-print-directory configure
	@cmake --build $(BUILD) -j$(JOBS) --target assets
	@$(web_env) emcmake cmake -S . -B $(WEB_BUILD)/wasm -DCMAKE_BUILD_TYPE=Release \
	  -DTAMSIREL_CROSS_PREFIX="$$(scripts/cross-libs --prefix wasm32-emscripten)" \
	  -DTAMSIREL_HOST_ASSETS=$(CURDIR)/$(BUILD)/assets \
	  -DTAMSIREL_SITE_DIR=$(CURDIR)/$(WEB_BUILD)/site \
	  -DTAMSIREL_WEB_ZIP=$(CURDIR)/$(WEB_BUILD)/tamsirel-web.zip \
	  -DTAMSIREL_HOST_BUILD=$(CURDIR)/$(BUILD) \
	  "-DCMAKE_CROSSCOMPILING_EMULATOR=node;--no-experimental-fetch" \
	  -DTAMSIREL_WERROR=ON >/dev/null

# The Linux side of the comparisons: the capture tool and the GL layer's reference cases.
test-web: configure-web
	@$(web_env) cmake --build $(WEB_BUILD)/wasm -j$(JOBS) -- --no-print-directory
	@cmake --build $(BUILD) -j$(JOBS) --target tamsirel-capture gl_cases
	@cd tests/web && npm ci --no-audit --no-fund --loglevel=error
	@cd $(WEB_BUILD)/wasm && ctest --output-on-failure -j$(JOBS) --timeout 1800

serve-web: web
	@node tests/web/lib/serve.mjs $(WEB_BUILD)/site $(WEB_PORT)

# Figures, not tests: the browser build beside the Linux build on this machine, in one run.
bench-web: configure-web
	@scripts/deps test
	@$(web_env) cmake --build $(WEB_BUILD)/wasm -j$(JOBS) --target web_site tamsirel-capture-web \
	  -- --no-print-directory
	@cmake --build $(BUILD) -j$(JOBS) --target tamsirel tamsirel-capture first_frame_probe
	@cd tests/web && npm ci --no-audit --no-fund --loglevel=error
	@node tools/bench/bench_web.mjs --build $(BUILD) --site $(WEB_BUILD)/site \
	  --programs $(WEB_BUILD)/wasm/tools/capture
