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
# The packer lays the files out in the order it is given them, and a folder's in the order the
# file system lists them, which differs between machines: each file is named, in sorted order.
file(GLOB assets RELATIVE ${stage} ${stage}/*)
list(SORT assets)
set(preloads)
foreach(asset IN LISTS assets)
  list(APPEND preloads ${stage}/${asset}@/${asset})
endforeach()
execute_process(
  COMMAND ${PYTHON} ${FILE_PACKAGER} assets.data --preload ${preloads} --js-output=assets.js
  WORKING_DIRECTORY ${SITE} RESULT_VARIABLE status)
file(REMOVE_RECURSE ${stage})
if(NOT status EQUAL 0)
  message(FATAL_ERROR "packing the assets failed")
endif()
# The packer names each package by a random UUID, a key for a cache the page does not use; the
# data's own hash names it the same every time.
file(SHA256 ${SITE}/assets.data data_hash)
file(READ ${SITE}/assets.js loader)
string(REGEX REPLACE "\"package_uuid\": \"[-0-9a-f]+\"" "\"package_uuid\": \"sha256-${data_hash}\""
       fixed_loader "${loader}")
if(fixed_loader STREQUAL loader)
  message(FATAL_ERROR "the packer's assets.js names no package_uuid to replace")
endif()
file(WRITE ${SITE}/assets.js "${fixed_loader}")

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
