# Run by the web_site target (cmake -P): puts the site together and zips it. The asset pack's
# preview and icon are the Linux package's, not the demo's, and stay out.
include(${CMAKE_CURRENT_LIST_DIR}/zip_folder.cmake)
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE}/licenses)
# The page's package.json only tells node that its scripts are modules, for their unit tests.
file(GLOB page ${PAGE}/*)
list(FILTER page EXCLUDE REGEX "/package\\.json$")
file(COPY ${page} ${PROTOCOL} DESTINATION ${SITE})
foreach(part tamsirel.js tamsirel.wasm)
  file(COPY ${PROGRAM_DIR}/${part} DESTINATION ${SITE})
endforeach()

# The page's icon is the menu icon of the Linux package.
file(COPY_FILE ${ASSETS}/tamsirel.png ${SITE}/icon.png)

set(stage ${SITE}.assets)
file(REMOVE_RECURSE ${stage})
file(COPY ${ASSETS}/ DESTINATION ${stage}
     PATTERN "preview.png" EXCLUDE PATTERN "tamsirel.png" EXCLUDE PATTERN "*.stamp" EXCLUDE)
execute_process(
  COMMAND ${PYTHON} ${FILE_PACKAGER} assets.data --preload ${stage}@/ --js-output=assets.js
  WORKING_DIRECTORY ${SITE} RESULT_VARIABLE status)
file(REMOVE_RECURSE ${stage})
if(NOT status EQUAL 0)
  message(FATAL_ERROR "packing the assets failed")
endif()

# The libraries compiled into the program: libpng and zlib, and emscripten's runtime (musl,
# libc++ and the JavaScript runtime), each under its own licence.
file(COPY ${LICENSES}/ DESTINATION ${SITE}/licenses)
file(COPY_FILE /usr/share/doc/emscripten/copyright ${SITE}/licenses/emscripten.txt)

# The download unpacks into one folder named for what it is, whatever the site's folder is called.
set(zip_stage ${SITE}.zip-stage)
file(REMOVE_RECURSE ${zip_stage})
file(COPY ${SITE}/ DESTINATION ${zip_stage}/tamsirel-web)
zip_folder(${zip_stage}/tamsirel-web ${ZIP})
file(REMOVE_RECURSE ${zip_stage})
