# Fails when a source file includes from a folder above its own in the folder stack, with
# quotes or angle brackets, or when exact arithmetic (GMP) leaks out of the engine: the
# engine's headers that name exact amounts are included only by the engine's own sources
# and by its other such headers.
#   cmake -DSOURCE_DIR=<src> -P IncludeDirection.cmake
# Levels from the bottom; folders joined by "|" share a level and do not include each other.
cmake_minimum_required(VERSION 3.25)
set(levels
  "tape"
  "engine"
  "platform"
  "ui/kit"
  "ui/about"
  "ui/main"
  "app")
# The engine's headers that name exact amounts (mpq_class).
set(exact_headers
  "engine/amount.h"
  "engine/value.h"
  "engine/numbertext.h"
  "engine/rounding.h"
  "engine/calculatorstate.h"
  "engine/purchasingpower.h")

# The folder of a path below src/ and its level; -1 when the stack does not name it.
function(stack_place path out_folder out_level)
  set(${out_folder} "" PARENT_SCOPE)
  set(${out_level} -1 PARENT_SCOPE)
  set(level 0)
  foreach(line IN LISTS levels)
    string(REPLACE "|" ";" folders "${line}")
    foreach(folder IN LISTS folders)
      if(path MATCHES "^${folder}/")
        set(${out_folder} "${folder}" PARENT_SCOPE)
        set(${out_level} ${level} PARENT_SCOPE)
      endif()
    endforeach()
    math(EXPR level "${level} + 1")
  endforeach()
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(faults "")
foreach(source IN LISTS sources)
  stack_place("${source}" folder level)
  if(level LESS 0)
    list(APPEND faults "${source}: its folder is not in the stack")
    continue()
  endif()
  # Quotes or angle brackets: "engine/amount.h" and <engine/amount.h> name the same file.
  file(STRINGS "${SOURCE_DIR}/${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]+)[\">].*" "\\1" included "${line}")
    if(NOT EXISTS "${SOURCE_DIR}/${included}")
      continue() # a generated or local file, not one of the stack's
    endif()
    if(included IN_LIST exact_headers AND NOT source IN_LIST exact_headers
       AND NOT (source MATCHES "^engine/.*\\.cpp$"))
      list(APPEND faults "${source} includes ${included}, which names exact amounts outside the engine")
    endif()
    stack_place("${included}" to_folder to_level)
    if(to_level GREATER level OR (to_level EQUAL level AND NOT to_folder STREQUAL folder))
      list(APPEND faults "${source} includes ${included}, from ${to_folder}, which is not below ${folder}")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " report)
  message(FATAL_ERROR "Includes against the folder stack:\n  ${report}")
endif()
list(LENGTH sources count)
message(STATUS "${count} source files include only downwards")
