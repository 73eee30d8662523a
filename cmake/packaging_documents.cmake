# What a packager expects beside the programs, made at configure time from packaging/: a manual
# page for each command, the copyright file (the licence text taken from LICENSE), the changelog
# and the AppStream metainfo that software centres read. Pages and changelog go compressed with
# `gzip -9n`, so the same sources give the same bytes.
set(documents ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${documents})

function(tamsirel_gzip source output)
  execute_process(COMMAND gzip -9n -c ${source} OUTPUT_FILE ${output} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "compressing ${source} failed")
  endif()
  # A change to the source makes the configure step run again.
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()

foreach(page tamsirel.1 tamsirel-capture.1)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/man/${page} ${documents}/${page} @ONLY)
  tamsirel_gzip(${documents}/${page} ${documents}/${page}.gz)
  install(FILES ${documents}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The copyright file's licence paragraph is LICENSE's terms (what follows its copyright line) in
# the format's layout: each line indented by a space, an empty line as " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX REPLACE "^.*\nCopyright [^\n]*\n" "" licence "${licence}")
string(STRIP "${licence}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " TAMSIREL_LICENCE_TEXT " ${licence}")
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/LICENSE)
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${documents}/copyright @ONLY)
tamsirel_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog ${documents}/changelog.gz)
install(FILES ${documents}/copyright ${documents}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tamsirel)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/example.c_seed_48a7ef77.tamsirel.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
