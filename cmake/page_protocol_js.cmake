# Run with cmake -P: writes OUT, the page's protocol module, from the constants of HEADER
# (src/platform/web/page_protocol.h): each `constexpr int kName = value;` line becomes
# `name: value`.
file(STRINGS ${HEADER} lines REGEX "^constexpr int k[A-Za-z0-9]+ = -?[0-9]+;")
set(fields "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^constexpr int k([A-Za-z0-9]+) = (-?[0-9]+);.*$" "\\1;\\2" pair "${line}")
  list(GET pair 0 name)
  list(GET pair 1 value)
  string(SUBSTRING ${name} 0 1 first)
  string(TOLOWER ${first} first)
  string(SUBSTRING ${name} 1 -1 rest)
  string(APPEND fields "  ${first}${rest}: ${value},\n")
endforeach()
if(fields STREQUAL "")
  message(FATAL_ERROR "no constants in ${HEADER}")
endif()
file(WRITE ${OUT}.new
  "// Made by the build from src/platform/web/page_protocol.h: the numbers the program and the\n"
  "// page exchange. Change them there.\n"
  "export const protocol = Object.freeze({\n${fields}});\n")
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.new)
