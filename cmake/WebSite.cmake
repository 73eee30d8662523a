# The browser build's site: the page (src/platform/web/page/), the program (tamsirel.js, its
# .wasm and its worker script) and the Linux build's asset pack packed for the page (assets.data
# with its loader assets.js), in ${TAMSIREL_SITE_DIR}, and the same folder zipped as
# ${TAMSIREL_WEB_ZIP} to put on any static host. `cmake --build <dir> --target web_site` makes
# both.
set(TAMSIREL_SITE_DIR ${CMAKE_BINARY_DIR}/site CACHE PATH "Folder the browser build's site is written to")
set(TAMSIREL_WEB_ZIP ${CMAKE_BINARY_DIR}/tamsirel-web.zip CACHE FILEPATH "The site, zipped")
find_program(TAMSIREL_PYTHON python3 REQUIRED)
find_file(TAMSIREL_FILE_PACKAGER file_packager.py PATHS ${EMSCRIPTEN_ROOT_PATH}/tools
          /usr/share/emscripten/tools NO_CMAKE_FIND_ROOT_PATH REQUIRED)

# How a program of the browser build runs in a page: the page calls main itself, as an
# asynchronous call, since main suspends at its first wait for the page and the runtime would
# otherwise never learn that it returned (start.js ends the program through exit when it does).
# The filesystem is kept for the asset pack's loader; glGetError stays reachable from the page, so
# a test can ask the GL whether anything went wrong.
function(tamsirel_page_program target)
  target_link_options(${target} PRIVATE -sENVIRONMENT=web,worker -sFORCE_FILESYSTEM=1
    -sINVOKE_RUN=0 -sEXPORTED_FUNCTIONS=_main,_exit,_malloc,_glGetError
    -sEXPORTED_RUNTIME_METHODS=ccall,allocateUTF8,FS)
endfunction()
tamsirel_page_program(tamsirel)

if(TARGET tamsirel AND TAMSIREL_HOST_ASSETS)
  file(GLOB page_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/platform/web/page/*)
  add_custom_target(web_site ALL
    COMMAND ${CMAKE_COMMAND}
      -DSITE=${TAMSIREL_SITE_DIR}
      -DZIP=${TAMSIREL_WEB_ZIP}
      -DPAGE=${PROJECT_SOURCE_DIR}/src/platform/web/page
      -DPROGRAM_DIR=$<TARGET_FILE_DIR:tamsirel>
      -DASSETS=${TAMSIREL_HOST_ASSETS}
      -DPYTHON=${TAMSIREL_PYTHON}
      -DFILE_PACKAGER=${TAMSIREL_FILE_PACKAGER}
      -DLICENSES=${TAMSIREL_CROSS_PREFIX}/licenses
      -P ${PROJECT_SOURCE_DIR}/cmake/web_site.cmake
    DEPENDS tamsirel ${page_files}
    COMMENT "Writing ${TAMSIREL_SITE_DIR} and ${TAMSIREL_WEB_ZIP}"
    VERBATIM)
endif()
