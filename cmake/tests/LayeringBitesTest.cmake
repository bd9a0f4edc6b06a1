# SPDX-License-Identifier: GPL-3.0-or-later
# The layering check fails a tree with forbidden edges: a copy of the sources
# gets several, and configuring it must fail naming each one.
#   cmake -DSOURCE_DIR=<checkout> -DSCRATCH=<empty folder> -P LayeringBitesTest.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${SCRATCH})
file(GLOB entries LIST_DIRECTORIES true ${SOURCE_DIR}/*)
list(FILTER entries EXCLUDE REGEX "/(build[^/]*|\\.git)$")
file(COPY ${entries} DESTINATION ${SCRATCH}/src)
set(copy ${SCRATCH}/src)

file(APPEND ${copy}/convert/CMakeLists.txt "target_link_libraries(obel_convert PUBLIC obel_link_wire)\n")
file(APPEND ${copy}/link/wire/CMakeLists.txt "target_link_libraries(obel_link_wire PUBLIC obel_link_line)\n")
file(APPEND ${copy}/editor/paint/CMakeLists.txt
     "target_link_libraries(obel_editor_paint PUBLIC Qt6::Widgets)\n")
file(APPEND ${copy}/assembler/CMakeLists.txt "add_library(obel_stray INTERFACE)\n")
file(WRITE ${copy}/ladder/Peek.h "#pragma once\n#include <QtGui/QColor>\n")

execute_process(COMMAND ${CMAKE_COMMAND} -S ${copy} -B ${SCRATCH}/build -DOBEL_BENCH=OFF
                RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT failed)
  message(FATAL_ERROR "A tree with forbidden edges configured:\n${out}")
endif()
foreach(finding IN ITEMS
        "obel_convert links obel_link_wire, which the layering table does not allow"
        "obel_link_wire links obel_link_line, which the layering table does not allow"
        "obel_editor_paint links Qt6::Widgets, which the layering table does not allow"
        "obelc is no window but reaches Qt6::Widgets"
        "obel_stray is not in the layering table"
        "ladder/Peek.h includes <QtGui/QColor> but obel_ladder is no window")
  string(FIND "${out}" "${finding}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "The check missed \"${finding}\":\n${out}")
  endif()
endforeach()
file(REMOVE_RECURSE ${SCRATCH})
