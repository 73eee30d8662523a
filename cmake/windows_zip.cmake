# Run by the windows_zip target (cmake -P): stages the download's folder and zips it. The asset
# pack's preview and icon are the Linux package's, not the demo's.
include(${CMAKE_CURRENT_LIST_DIR}/zip_folder.cmake)
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE}/licenses)
file(COPY ${PROGRAM} ${DLLS} ${README} DESTINATION ${STAGE})
# The download carries no debugging symbols; the build folder's copies keep them. strip writes a
# new time stamp into a PE header, the sources' time when given one, else the time of day.
source_date_epoch(epoch)
foreach(binary ${PROGRAM} ${DLLS})
  get_filename_component(name ${binary} NAME)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${epoch}
                          ${STRIP} --strip-unneeded ${STAGE}/${name} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "stripping ${name} failed")
  endif()
endforeach()
file(COPY ${ASSETS}/ DESTINATION ${STAGE}
     PATTERN "preview.png" EXCLUDE PATTERN "tamsirel.png" EXCLUDE PATTERN "*.stamp" EXCLUDE)
file(COPY ${LICENSES}/ DESTINATION ${STAGE}/licenses)
# The runtimes linked into the program statically: zlib, mingw-w64's (winpthreads among them)
# and GCC's (under the GCC runtime library exception).
foreach(pair "zlib.txt=libz-mingw-w64" "mingw-w64-runtime.txt=mingw-w64-common"
             "gcc-runtime.txt=gcc-mingw-w64-base")
  string(REPLACE "=" ";" pair ${pair})
  list(GET pair 0 name)
  list(GET pair 1 package)
  file(COPY_FILE /usr/share/doc/${package}/copyright ${STAGE}/licenses/${name})
endforeach()
zip_folder(${STAGE} ${ZIP})
