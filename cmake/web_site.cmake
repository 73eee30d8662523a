# Run by the web_site target (cmake -P): puts the site together and zips it. The page and the
# program; the asset pack as files of their own under pack/, which the page downloads while the
# dialog is up, with their list (pack.js); the icons and the web app manifest; and the service
# worker that keeps this version of the site for a visit without the network. The asset pack's
# preview and icon are the Linux package's, not the demo's, and stay out of the pack.
include(${CMAKE_CURRENT_LIST_DIR}/zip_folder.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/pack_list.cmake)
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE}/licenses ${SITE}/pack)
# The page's package.json only tells node that its scripts are modules, for their unit tests.
file(GLOB page ${PAGE}/*)
list(FILTER page EXCLUDE REGEX "/package\\.json$")
file(COPY ${page} ${PROTOCOL} DESTINATION ${SITE})
foreach(part tamsirel.js tamsirel.wasm)
  file(COPY ${PROGRAM_DIR}/${part} DESTINATION ${SITE})
endforeach()

# The page's icons are the menu icon of the Linux package: at 32 pixels for the browser's tab (it
# comes before the dialog, where every byte counts), at 192 and 512 for a phone's home screen.
foreach(side 32 192 512)
  set(icon ${SITE}/icon-${side}.png)
  if(side EQUAL 32)
    set(icon ${SITE}/icon.png)
  endif()
  # No dates in the file: the same pack makes the same icons.
  execute_process(COMMAND ${CONVERT} ${ASSETS}/tamsirel.png -filter Lanczos -resize ${side}x${side}
                          -strip -define png:exclude-chunks=date,time ${icon} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "making the ${side}-pixel icon failed")
  endif()
endforeach()

file(COPY ${ASSETS}/ DESTINATION ${SITE}/pack
     PATTERN "preview.png" EXCLUDE PATTERN "tamsirel.png" EXCLUDE PATTERN "*.stamp" EXCLUDE)

# The libraries compiled into the program: libpng and zlib, and emscripten's runtime (musl,
# libc++ and the JavaScript runtime), each under its own licence.
file(COPY ${LICENSES}/ DESTINATION ${SITE}/licenses)
file(COPY_FILE /usr/share/doc/emscripten/copyright ${SITE}/licenses/emscripten.txt)

# The version names the offline store: a digest of every file the site serves, so that any change
# makes a new store and the same files the same one.
file(GLOB_RECURSE served RELATIVE ${SITE} ${SITE}/*)
list(SORT served)
set(digests "")
foreach(file IN LISTS served)
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests "${file} ${digest}\n")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 version)
set(store tamsirel-${version})
pack_list(${SITE}/pack ${ORDER} ${SITE}/pack.js ${store})

# The page asks for every one of its modules and the program at once, instead of finding each
# import a round trip after the one that names it: on a phone's link the dialog comes that much
# sooner. Written here from the folder, so that a new module needs no edit of the page.
file(GLOB modules RELATIVE ${SITE} ${SITE}/*.js)
list(REMOVE_ITEM modules tamsirel.js)
list(SORT modules)
set(preloads "")
foreach(module IN LISTS modules)
  string(APPEND preloads "<link rel=\"modulepreload\" href=\"${module}\">\n")
endforeach()
string(APPEND preloads "<link rel=\"preload\" href=\"tamsirel.js\" as=\"script\">\n"
                       "<link rel=\"preload\" href=\"tamsirel.wasm\" as=\"fetch\" crossorigin>\n")
file(READ ${SITE}/index.html page_html)
string(REPLACE "</head>" "${preloads}</head>" page_html "${page_html}")
file(WRITE ${SITE}/index.html "${page_html}")

# The service worker keeps the program and the page (the licences stay online) and, when it
# updates the site, the pack.
set(shell "'./'")
set(pack "")
file(GLOB_RECURSE served RELATIVE ${SITE} ${SITE}/*)
list(SORT served)
foreach(file IN LISTS served)
  if(file MATCHES "^pack/")
    string(APPEND pack "${pack_separator}'${file}'")
    set(pack_separator ", ")
  elseif(NOT file MATCHES "^licenses/")
    string(APPEND shell ", '${file}'")
  endif()
endforeach()
set(STORE ${store})
set(SHELL ${shell})
set(PACK ${pack})
configure_file(${SERVICE_WORKER} ${SITE}/sw.js @ONLY)

# The download unpacks into one folder named for what it is, whatever the site's folder is called.
set(zip_stage ${SITE}.zip-stage)
file(REMOVE_RECURSE ${zip_stage})
file(COPY ${SITE}/ DESTINATION ${zip_stage}/tamsirel-web)
zip_folder(${zip_stage}/tamsirel-web ${ZIP})
file(REMOVE_RECURSE ${zip_stage})
