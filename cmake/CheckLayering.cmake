# The layering test (see Layering.cmake): lists every include of a QtGui or
# QtWidgets header in a core folder and every link of a core target beyond
# the cores and Qt's Core, SerialPort and Network, and fails on any.
#   cmake -DCONFIG=<build>/layering/config.cmake -P CheckLayering.cmake
cmake_minimum_required(VERSION 3.25)
include(${CONFIG})

# Every header name of the window modules, bare (<QWidget>) or with its
# module (<QtWidgets/QWidget>, <QtGui>).
foreach(dir IN LISTS WINDOW_HEADER_DIRS)
  get_filename_component(module ${dir} NAME)
  set(window_${module} ${module})
  file(GLOB headers RELATIVE ${dir} ${dir}/*)
  foreach(header IN LISTS headers)
    set(window_${header} ${module})
  endforeach()
endforeach()

# The paint/ sub-folders draw without a window: QtGui, but no QtWidgets.
set(findings)
foreach(folder IN LISTS CORE_FOLDERS)
  file(GLOB_RECURSE sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "^${SOURCE_DIR}/${folder}/ui/")
  foreach(source IN LISTS sources)
    set(painting FALSE)
    if(source MATCHES "^${SOURCE_DIR}/${folder}/paint/")
      set(painting TRUE)
    endif()
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[^<\"]*[<\"]([^>\"]*)[>\"].*$" "\\1" header "${line}")
      string(REGEX REPLACE "/.*$" "" module "${header}")
      get_filename_component(name "${header}" NAME)
      set(found "${window_${module}}${window_${name}}")
      if(found AND NOT (painting AND NOT found MATCHES "QtWidgets"))
        file(RELATIVE_PATH shown ${SOURCE_DIR} ${source})
        list(APPEND findings "${shown} includes <${header}>")
      endif()
    endforeach()
  endforeach()
endforeach()

foreach(target IN LISTS CORE_TARGETS)
  foreach(library IN LISTS LINKS_${target})
    if(library MATCHES "^Qt6::" AND NOT library MATCHES "^Qt6::(Core|SerialPort|Network)$")
      list(APPEND findings "${target} links ${library}")
    elseif(library MATCHES "^obel_" AND NOT library IN_LIST CORE_TARGETS)
      list(APPEND findings "${target} links ${library}, which is not a core")
    endif()
  endforeach()
endforeach()

if(findings)
  list(JOIN findings "\n  " shown)
  message(FATAL_ERROR "Cores must not use the window modules:\n  ${shown}")
endif()
list(LENGTH CORE_TARGETS count)
message(STATUS "Layering holds for ${count} core targets in ${CORE_FOLDERS}")
