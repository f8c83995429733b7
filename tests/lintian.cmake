# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package from the build as it is and has lintian judge it:
# any error or warning fails, the informational tags are only shown.
find_program(LINTIAN lintian)
if(NOT LINTIAN)
    message("lintian is not installed, so the package is not checked")
    return()
endif()

file(REMOVE_RECURSE ${OUTPUT_DIR})
execute_process(COMMAND ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUTPUT_DIR}
                RESULT_VARIABLE result OUTPUT_QUIET)
file(GLOB package ${OUTPUT_DIR}/*.deb)
if(NOT result EQUAL 0 OR NOT package)
    message(FATAL_ERROR "cpack made no package: ${result}")
endif()

execute_process(COMMAND ${LINTIAN} --fail-on error,warning --display-info ${package}
                RESULT_VARIABLE result OUTPUT_VARIABLE tags)
message("${tags}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lintian rejects ${package}")
endif()
