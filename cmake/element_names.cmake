# Generates the element-name table from the element-id list: one row per line,
# "<id><TAB><name>". Run as: cmake -DIN=<list> -DOUT=<file.cpp> -P element_names.cmake
# The table is sorted by id; an id listed twice keeps its first row.
file(STRINGS "${IN}" lines)
set(rows "")
foreach(line IN LISTS lines)
  if(line STREQUAL "")
    continue()
  endif()
  if(NOT line MATCHES "^([0-9]+)\t([A-Za-z0-9_]+)$")
    message(FATAL_ERROR "${IN}: malformed row '${line}'")
  endif()
  set(id "${CMAKE_MATCH_1}")
  set(name "${CMAKE_MATCH_2}")
  if(DEFINED seen_${id})
    continue()
  endif()
  set(seen_${id} TRUE)
  # Zero-padded ids sort as numbers.
  string(LENGTH "${id}" digits)
  math(EXPR pad "10 - ${digits}")
  string(REPEAT "0" ${pad} zeros)
  list(APPEND rows "${zeros}${id}:${id}:${name}")
endforeach()
list(SORT rows)

set(body "")
foreach(row IN LISTS rows)
  string(REPLACE ":" ";" fields "${row}")
  list(GET fields 1 id)
  list(GET fields 2 name)
  string(APPEND body "    {${id}, \"${name}\"},\n")
endforeach()
list(LENGTH rows count)

file(WRITE "${OUT}" "// Generated from feature/element-ids.tsv by cmake/element_names.cmake; do not edit.
#include \"feature/element_names.h\"

namespace Ardo::detail {

const ElementNameRow kElementNames[] = {
${body}};

const std::size_t kElementNameCount = ${count};

}  // namespace Ardo::detail
")
