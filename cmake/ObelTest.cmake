# obel_add_test(NAME LABEL SOURCES... LIBS ...)
# One GoogleTest executable registered with ctest under a label (unit, gui
# or integration). Widget tests (gui) share a main that makes the one
# QApplication and run on the offscreen platform.
function(obel_add_test name label)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  if(label STREQUAL "gui")
    add_executable(${name} ${T_SOURCES} ${PROJECT_SOURCE_DIR}/cmake/GuiTestMain.cpp)
    target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Widgets Qt6::Test GTest::gtest)
  else()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS ${label}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;OBEL_TEST_PROGRAM_DIR=${OBEL_SHIPPED_DIR}")
endfunction()
