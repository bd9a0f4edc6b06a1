# obel_check_layering(FOLDER...)
# Registers the test "layering": the cores in these folders (their ui/
# sub-folders are windows) use no header of Qt's window modules, QtGui and
# QtWidgets, and their targets link only the cores and Qt6::Core, SerialPort
# and Network. Call it after the folders are added: it reads their targets.
function(obel_check_layering)
  set(targets)
  foreach(folder IN LISTS ARGN)
    get_property(defined DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
    list(APPEND targets ${defined})
  endforeach()
  set(window_dirs)
  foreach(module IN ITEMS Gui Widgets)
    get_target_property(dirs Qt6::${module} INTERFACE_INCLUDE_DIRECTORIES)
    list(FILTER dirs INCLUDE REGEX "/Qt${module}$")
    list(APPEND window_dirs ${dirs})
  endforeach()

  # The link libraries are known only at generation time.
  set(config "set(SOURCE_DIR [[${PROJECT_SOURCE_DIR}]])\n")
  string(APPEND config "set(CORE_FOLDERS [[${ARGN}]])\n")
  string(APPEND config "set(CORE_TARGETS [[${targets}]])\n")
  string(APPEND config "set(WINDOW_HEADER_DIRS [[${window_dirs}]])\n")
  foreach(target IN LISTS targets)
    string(APPEND config
           "set(LINKS_${target} [[$<TARGET_PROPERTY:${target},LINK_LIBRARIES>]])\n")
  endforeach()
  set(file ${CMAKE_BINARY_DIR}/layering/config.cmake)
  file(GENERATE OUTPUT ${file} CONTENT "${config}")

  add_test(NAME layering
           COMMAND ${CMAKE_COMMAND} -DCONFIG=${file}
                   -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayering.cmake)
  set_tests_properties(layering PROPERTIES LABELS unit TIMEOUT ${OBEL_TIMEOUT_unit})
endfunction()
