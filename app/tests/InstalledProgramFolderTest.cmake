# SPDX-License-Identifier: GPL-3.0-or-later
# An installed obelc, started with an empty data folder, finds the program
# folder the installation ships and converts a sample with it.
#   cmake -DBUILD_DIR=... -DSCRATCH=... -P InstalledProgramFolderTest.cmake
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${SCRATCH}/prefix
                OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
file(GLOB_RECURSE latch ${SCRATCH}/prefix/*/LATCH.MAP)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${SCRATCH}/data
          ${SCRATCH}/prefix/bin/obelc convert --pages 1 ${latch}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out MATCHES "IN,")
  message(FATAL_ERROR "the installed obelc failed (${status}): ${err}")
endif()
if(NOT EXISTS ${SCRATCH}/data/Obel/def)
  message(FATAL_ERROR "the data folder was not filled from the installed copy")
endif()
