# The Windows build, cross-compiled with mingw-w64 on this machine and tested under Wine.
# `make windows` builds tamsirel.exe for x86-64 (and for 32-bit x86 with WINDOWS_ARCHES="x86_64
# i686") into $(WIN_BUILD)/<arch>/ and writes $(WIN_BUILD)/tamsirel-win64.zip (-win32.zip); the
# asset pack comes from the Linux build's generator. `make test-windows` runs the Windows tests
# under Wine on a private X server. Both install what they need through scripts/deps first.
WIN_BUILD ?= build-win
WINDOWS_ARCHES ?= x86_64
win_triple = $(1)-w64-mingw32
# One deps group per architecture: each group cross-builds its own architecture's libraries.
win_deps_groups = $(patsubst i686,windows32,$(patsubst x86_64,windows,$(WINDOWS_ARCHES)))

.PHONY: windows test-windows deps-windows host-assets

deps-windows:
	@scripts/deps $(win_deps_groups)

# The generator runs on the build machine; only its output goes into the download. The Linux
# scene_frames gives the frames the Windows build's pictures are compared with.
host-assets: deps-windows
	@$(MAKE) --no-print-directory configure
	@cmake --build $(BUILD) -j$(JOBS) --target assets scene_frames

windows: host-assets
	@for arch in $(WINDOWS_ARCHES); do \
	  triple=$(call win_triple,$$arch); \
	  cmake -S . -B $(WIN_BUILD)/$$arch -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-toolchain.cmake \
	    -DTAMSIREL_MINGW_TRIPLE=$$triple -DTAMSIREL_CROSS_PREFIX="$$(scripts/cross-libs --prefix $$triple)" \
	    -DTAMSIREL_HOST_ASSETS=$(CURDIR)/$(BUILD)/assets -DTAMSIREL_ZIP_DIR=$(CURDIR)/$(WIN_BUILD) \
	    -DTAMSIREL_HOST_SCENE_FRAMES=$(CURDIR)/$(BUILD)/tests/scenes/scene_frames \
	    -DTAMSIREL_WERROR=ON >/dev/null && \
	  cmake --build $(WIN_BUILD)/$$arch -j$(JOBS) -- --no-print-directory && \
	  cmake --build $(WIN_BUILD)/$$arch --target windows_zip -- --no-print-directory || exit 1; \
	done

# The unit and pixel tests share one X server (the GL tests draw through Wine's WGL there); the
# e2e cases start X servers of their own. Wine's servers are stopped at the end either way.
# Now and then (about once in a few hundred starts) Wine fails to start a test program at all:
# it ends at once, with no output. A test that fails is run once more; a real failure fails
# both times, and the first failure stays in the log.
test-windows: windows
	@for arch in $(WINDOWS_ARCHES); do \
	  dir=$(WIN_BUILD)/$$arch; \
	  scripts/with-display --screen 1024x768 sh -c "scripts/wine-run --prefix $$dir/wineprefix cmd /c exit && \
	    cd $$dir && ctest --output-on-failure -j$(JOBS) --timeout 300 --repeat until-pass:2"; status=$$?; \
	  scripts/wine-run --prefix $$dir/wineprefix --stop; \
	  scripts/wine-run --prefix $$dir/wineprefix-e2e --stop; \
	  [ $$status -eq 0 ] || exit $$status; \
	done
