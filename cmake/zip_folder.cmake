# zip_folder(FOLDER ZIP): ZIP made anew from FOLDER, the folder itself its one top entry, as a
# download unpacks into one folder. For the scripts that cmake -P runs (the Windows and the
# browser builds' downloads).
function(zip_folder folder zip)
  get_filename_component(parent ${folder} DIRECTORY)
  get_filename_component(name ${folder} NAME)
  file(REMOVE ${zip})
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${name}
                  WORKING_DIRECTORY ${parent} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "zipping ${zip} failed")
  endif()
endfunction()
