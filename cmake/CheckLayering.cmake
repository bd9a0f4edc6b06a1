# SPDX-License-Identifier: GPL-3.0-or-later
# The layering check (see Layering.cmake). Fails, listing every finding, when
#  - a library or program is missing from the table (cmake/Layers.cmake),
#  - a target links what its row does not allow,
#  - a target that is no window reaches Qt6::Widgets through what it links,
#  - a source beside such a target includes a QtWidgets header, or a QtGui
#    header while the target does not reach Qt6::Gui.
#   cmake -DCONFIG=<build>/layering/config.cmake -P CheckLayering.cmake
cmake_minimum_required(VERSION 3.25)
include(${CONFIG})

set(findings)
foreach(target IN LISTS UNLISTED)
  list(APPEND findings "${target} is not in the layering table")
endforeach()

foreach(target IN LISTS TARGETS)
  foreach(library IN LISTS LINKS_${target})
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" library "${library}")
    if(NOT library IN_LIST ALLOWED_${target})
      list(APPEND findings "${target} links ${library}, which the layering table does not allow")
    endif()
  endforeach()
endforeach()

# What a target reaches through the table's targets; Qt's modules are leaves.
function(reach target out)
  set(seen)
  set(todo ${LINKS_${target}})
  while(todo)
    list(POP_FRONT todo library)
    if(NOT library IN_LIST seen)
      list(APPEND seen ${library})
      list(APPEND todo ${LINKS_${library}})
    endif()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# Every header name of QtGui and QtWidgets, bare (<QWidget>) or with its
# module (<QtWidgets/QWidget>, <QtGui>).
foreach(dir IN LISTS WINDOW_HEADER_DIRS)
  get_filename_component(module ${dir} NAME)
  set(module_${module} ${module})
  file(GLOB headers RELATIVE ${dir} ${dir}/*)
  foreach(header IN LISTS headers)
    set(module_${header} ${module})
  endforeach()
endforeach()

foreach(target IN LISTS TARGETS)
  if(WINDOWS_${target})
    continue()
  endif()
  reach(${target} reached)
  if("Qt6::Widgets" IN_LIST reached)
    list(APPEND findings "${target} is no window but reaches Qt6::Widgets")
  endif()
  set(may_paint FALSE)
  if("Qt6::Gui" IN_LIST reached)
    set(may_paint TRUE)
  endif()
  file(GLOB sources ${DIR_${target}}/*.h ${DIR_${target}}/*.cpp)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[^<\"]*[<\"]([^>\"]*)[>\"].*$" "\\1" header "${line}")
      string(REGEX REPLACE "/.*$" "" prefix "${header}")
      get_filename_component(name "${header}" NAME)
      set(module "${module_${prefix}}${module_${name}}")
      if(module MATCHES "QtWidgets" OR (module AND NOT may_paint))
        file(RELATIVE_PATH shown ${SOURCE_DIR} ${source})
        list(APPEND findings "${shown} includes <${header}> but ${target} is no window")
      endif()
    endforeach()
  endforeach()
endforeach()

if(findings)
  list(JOIN findings "\n  " shown)
  message(FATAL_ERROR "The layering is broken:\n  ${shown}")
endif()
list(LENGTH TARGETS count)
message(STATUS "Layering holds for ${count} targets")
