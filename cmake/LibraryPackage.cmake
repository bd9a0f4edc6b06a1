# SPDX-License-Identifier: GPL-3.0-or-later
include(CMakePackageConfigHelpers)

# obel_install_library(TARGET HEADERS file...)
# Installs a control library with its headers (into include/TARGET) and a
# CMake package, so another project builds against it with
#   find_package(TARGET)  and  target_link_libraries(app TARGET::TARGET)
# The headers are given relative to the library's folder.
function(obel_install_library target)
  cmake_parse_arguments(L "" "" "HEADERS" ${ARGN})
  target_sources(${target} PUBLIC FILE_SET HEADERS
    BASE_DIRS ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/../common
    FILES ${L_HEADERS})
  set(config_dir ${CMAKE_INSTALL_LIBDIR}/cmake/${target})
  install(TARGETS ${target} EXPORT ${target}Targets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    FILE_SET HEADERS DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${target})
  install(EXPORT ${target}Targets NAMESPACE ${target}:: DESTINATION ${config_dir})

  set(LIBRARY ${target})
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/LibraryConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/${target}Config.cmake INSTALL_DESTINATION ${config_dir})
  get_target_property(version ${target} VERSION)
  write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/${target}ConfigVersion.cmake
    VERSION ${version} COMPATIBILITY SameMajorVersion)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${target}Config.cmake
                ${CMAKE_CURRENT_BINARY_DIR}/${target}ConfigVersion.cmake
          DESTINATION ${config_dir})
endfunction()
