# The Windows download: one folder with tamsirel.exe, the libmpg123 DLL, the asset pack from the
# Linux build, a README.txt and the licences of what is linked, zipped as
# ${TAMSIREL_ZIP_DIR}/tamsirel-win64.zip (tamsirel-win32.zip for the 32-bit build).
# `cmake --build <dir> --target windows_zip` makes it.
set(TAMSIREL_ZIP_DIR ${CMAKE_BINARY_DIR} CACHE PATH "Folder the Windows zip is written to")
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(TAMSIREL_ZIP_NAME tamsirel-win64)
  set(TAMSIREL_ZIP_ARCH "64-bit (x86-64)")
else()
  set(TAMSIREL_ZIP_NAME tamsirel-win32)
  set(TAMSIREL_ZIP_ARCH "32-bit (x86)")
endif()
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/README.txt.in
               ${CMAKE_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)

if(TARGET tamsirel)
  add_custom_target(windows_zip
    COMMAND ${CMAKE_COMMAND}
      -DSTAGE=${CMAKE_BINARY_DIR}/zip-stage/${TAMSIREL_ZIP_NAME}
      -DZIP=${TAMSIREL_ZIP_DIR}/${TAMSIREL_ZIP_NAME}.zip
      -DPROGRAM=$<TARGET_FILE:tamsirel>
      -DSTRIP=${CMAKE_STRIP}
      -DDLLS=${MPG123_DLL}
      -DASSETS=${TAMSIREL_HOST_ASSETS}
      -DREADME=${CMAKE_BINARY_DIR}/README.txt
      -DLICENSES=${TAMSIREL_CROSS_PREFIX}/licenses
      -P ${PROJECT_SOURCE_DIR}/cmake/windows_zip.cmake
    DEPENDS tamsirel
    COMMENT "Writing ${TAMSIREL_ZIP_DIR}/${TAMSIREL_ZIP_NAME}.zip"
    VERBATIM)
endif()
