# The browser build's site: the page (src/platform/web/page/), the program (tamsirel.js and its
# .wasm), the Linux build's asset pack as files the page downloads (pack/, listed in pack.js in
# the order the generator gives, TAMSIREL_HOST_ASSETS's -order.txt beside it), the icons, the web
# app manifest and the service worker, in ${TAMSIREL_SITE_DIR}, and the same folder zipped as
# ${TAMSIREL_WEB_ZIP} to put on any static host. `cmake --build <dir> --target web_site` makes
# both.
set(TAMSIREL_SITE_DIR ${CMAKE_BINARY_DIR}/site CACHE PATH "Folder the browser build's site is written to")
set(TAMSIREL_WEB_ZIP ${CMAKE_BINARY_DIR}/tamsirel-web.zip CACHE FILEPATH "The site, zipped")
find_program(TAMSIREL_CONVERT convert NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(TAMSIREL_PACK_LIST ${PROJECT_SOURCE_DIR}/cmake/pack_list.cmake)

# The page's numbers shared with the program, made from the header the program compiles.
set(TAMSIREL_PAGE_PROTOCOL ${CMAKE_BINARY_DIR}/page/protocol.js)
add_custom_command(OUTPUT ${TAMSIREL_PAGE_PROTOCOL}
  COMMAND ${CMAKE_COMMAND} -DHEADER=${PROJECT_SOURCE_DIR}/src/platform/web/page_protocol.h
          -DOUT=${TAMSIREL_PAGE_PROTOCOL} -P ${PROJECT_SOURCE_DIR}/cmake/page_protocol_js.cmake
  DEPENDS ${PROJECT_SOURCE_DIR}/src/platform/web/page_protocol.h
          ${PROJECT_SOURCE_DIR}/cmake/page_protocol_js.cmake
  VERBATIM)

# Put together again only when the program, the page or the asset pack changed.
if(TARGET tamsirel AND TAMSIREL_HOST_ASSETS)
  file(GLOB page_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/platform/web/page/*)
  file(GLOB asset_files CONFIGURE_DEPENDS ${TAMSIREL_HOST_ASSETS}/*)
  set(service_worker ${PROJECT_SOURCE_DIR}/src/platform/web/site/sw.js.in)
  add_custom_command(OUTPUT ${TAMSIREL_WEB_ZIP}
    COMMAND ${CMAKE_COMMAND}
      -DSITE=${TAMSIREL_SITE_DIR}
      -DZIP=${TAMSIREL_WEB_ZIP}
      -DPAGE=${PROJECT_SOURCE_DIR}/src/platform/web/page
      -DPROTOCOL=${TAMSIREL_PAGE_PROTOCOL}
      -DPROGRAM_DIR=$<TARGET_FILE_DIR:tamsirel>
      -DASSETS=${TAMSIREL_HOST_ASSETS}
      -DORDER=${TAMSIREL_HOST_ASSETS}-order.txt
      -DCONVERT=${TAMSIREL_CONVERT}
      -DSERVICE_WORKER=${service_worker}
      -DLICENSES=${TAMSIREL_CROSS_PREFIX}/licenses
      -P ${PROJECT_SOURCE_DIR}/cmake/web_site.cmake
    DEPENDS tamsirel ${page_files} ${TAMSIREL_PAGE_PROTOCOL} ${asset_files}
            ${TAMSIREL_HOST_ASSETS}-order.txt ${service_worker}
            ${PROJECT_SOURCE_DIR}/cmake/web_site.cmake ${PROJECT_SOURCE_DIR}/cmake/zip_folder.cmake
            ${TAMSIREL_PACK_LIST}
    COMMENT "Writing ${TAMSIREL_SITE_DIR} and ${TAMSIREL_WEB_ZIP}"
    VERBATIM)
  add_custom_target(web_site ALL DEPENDS ${TAMSIREL_WEB_ZIP})
endif()
