# SPDX-License-Identifier: GPL-3.0-or-later
include(GoogleTest)

# How long one test case may run before ctest calls it hung, by label: a hung
# helper process (obelc sim, socat, a second Obel) fails its case quickly
# instead of holding up the whole run. Sanitizer builds run several times
# slower, so the limits leave room for that.
set(OBEL_TIMEOUT_unit 20)
set(OBEL_TIMEOUT_gui 60)
set(OBEL_TIMEOUT_integration 60)

# obel_add_test(NAME LABEL SOURCES... LIBS ... [LOCK RESOURCE])
# One GoogleTest executable whose test cases are registered with ctest one by
# one ("NAME.Suite.Case") under a label (unit, gui or integration). Widget
# tests (gui) share a main that makes the one QApplication and run on the
# offscreen platform. ctest runs cases in parallel; cases that share
# something outside their own scratch folders name it as LOCK, and ctest runs
# no two of them at once.
# Without OBEL_GUI_TESTS a gui test is neither built nor registered.
function(obel_add_test name label)
  cmake_parse_arguments(T "" "LOCK" "SOURCES;LIBS" ${ARGN})
  if(label STREQUAL "gui")
    add_executable(${name} ${T_SOURCES} ${PROJECT_SOURCE_DIR}/cmake/GuiTestMain.cpp)
    target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Widgets Qt6::Test GTest::gtest)
  else()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  # A test program may link what it tests; the layering check leaves it out.
  set_target_properties(${name} PROPERTIES OBEL_TEST TRUE)
  if(label STREQUAL "gui" AND NOT OBEL_GUI_TESTS)
    set_target_properties(${name} PROPERTIES EXCLUDE_FROM_ALL TRUE)
    return()
  endif()
  set(lock)
  if(T_LOCK)
    set(lock RESOURCE_LOCK ${T_LOCK})
  endif()
  # Listing the cases at test time, not after every link, keeps a build from
  # running its test programs.
  gtest_discover_tests(${name}
    TEST_PREFIX "${name}."
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES
      LABELS ${label}
      TIMEOUT ${OBEL_TIMEOUT_${label}}
      # One variable a property: the discovered cases' properties are a list
      # themselves, which a list of variables would split.
      ENVIRONMENT "OBEL_TEST_PROGRAM_DIR=${OBEL_SHIPPED_DIR}"
      ENVIRONMENT_MODIFICATION "QT_QPA_PLATFORM=set:offscreen"
      ${lock})
endfunction()
