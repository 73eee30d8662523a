# The page's list of the asset pack (pack.js): the files of PACK, in the order of ORDER (one name a
# line, as the generator writes it; a listed file PACK lacks is left out, a file of PACK the list
# lacks goes last), with their sizes and first bytes (what a sound's kind is told by, so that the
# program opens its soundtrack before the dialog without a byte of the network), and the name of
# the site's offline store, STORE.
#   include() it for pack_list(PACK ORDER OUT STORE), or run it: cmake -DPACK=... -DORDER=...
#   -DOUT=... -DSTORE=... -P pack_list.cmake (the browser tests make packs of their own so).
function(pack_list pack order out store)
  file(STRINGS ${order} ordered)
  file(GLOB present RELATIVE ${pack} ${pack}/*)
  list(SORT present)
  set(names "")
  foreach(name IN LISTS ordered present)
    list(FIND names "${name}" listed)
    if(EXISTS ${pack}/${name} AND listed EQUAL -1)
      list(APPEND names ${name})
    endif()
  endforeach()
  set(entries "")
  foreach(name IN LISTS names)
    file(SIZE ${pack}/${name} size)
    file(READ ${pack}/${name} head LIMIT 12 HEX)
    string(APPEND entries "  ['${name}', ${size}, '${head}'],\n")
  endforeach()
  file(WRITE ${out}
    "// Made by the build: the asset pack's files in the order the demo first needs them, with\n"
    "// their sizes in bytes and their first bytes in hexadecimal, and the name of the store the\n"
    "// site is kept in for a visit without the network, which is this version's.\n"
    "export const offlineStore = '${store}';\n"
    "export const packFiles = Object.freeze([\n${entries}]);\n")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  pack_list(${PACK} ${ORDER} ${OUT} ${STORE})
endif()
