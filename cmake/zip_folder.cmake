# zip_folder(FOLDER ZIP): ZIP made anew from FOLDER, the folder itself its one top entry, as a
# download unpacks into one folder. For the scripts that cmake -P runs (the Windows and the
# browser builds' downloads).
#
# The same folder gives the same bytes wherever, whenever and by whomever it is zipped: the
# members go in sorted order, every one dated from the sources (source_date_epoch), readable by
# all and executable where they were, whatever the umask, with no owner and no times beyond the
# one. This sets the folder's own times and modes.

# source_date_epoch(VAR): the sources' time in seconds since 1970, SOURCE_DATE_EPOCH when the
# build has it (the Makefile sets it), else what scripts/source-date-epoch says.
function(source_date_epoch var)
  set(epoch "$ENV{SOURCE_DATE_EPOCH}")
  if(epoch STREQUAL "")
    execute_process(COMMAND ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../scripts/source-date-epoch
                    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "the sources' date is unknown")
    endif()
  endif()
  if(NOT epoch MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH must be seconds since 1970, not '${epoch}'")
  endif()
  set(${var} ${epoch} PARENT_SCOPE)
endfunction()

function(zip_folder folder zip)
  get_filename_component(parent ${folder} DIRECTORY)
  get_filename_component(name ${folder} NAME)
  find_program(zip_program zip)
  if(NOT zip_program)
    message(FATAL_ERROR "writing ${zip} needs zip (Debian's zip package; scripts/deps installs it)")
  endif()
  source_date_epoch(epoch)
  foreach(step "chmod -R a+rX,u+w,go-w,a-st ${name}" "find ${name} -exec touch -h -d @${epoch} {} +")
    separate_arguments(step UNIX_COMMAND "${step}")
    execute_process(COMMAND ${step} WORKING_DIRECTORY ${parent} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "setting the times and modes in ${folder} failed")
    endif()
  endforeach()
  file(GLOB_RECURSE members LIST_DIRECTORIES true RELATIVE ${parent} ${folder}/*)
  list(APPEND members ${name})
  list(SORT members)
  list(JOIN members "\n" listing)
  file(WRITE ${zip}.members "${listing}\n")

  # Each name given, none found by zip itself, so that zip keeps this order; -X leaves out the
  # owner and the extra times. A zip's time is local time: UTC here, as in the time given.
  file(REMOVE ${zip})
  execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC0 ${zip_program} -q -X ${zip} -@
                  INPUT_FILE ${zip}.members WORKING_DIRECTORY ${parent} RESULT_VARIABLE status)
  file(REMOVE ${zip}.members)
  if(NOT status EQUAL 0)
    file(REMOVE ${zip})
    message(FATAL_ERROR "zipping ${zip} failed")
  endif()
endfunction()
