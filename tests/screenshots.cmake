# SPDX-License-Identifier: GPL-3.0-or-later

# Every screenshot the AppStream metadata lists is what the snapshot tool
# renders now, byte for byte (its PNGs are the same from run to run).
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${SNAPSHOT} --screenshots ${WORK_DIR} OUTPUT_QUIET
                COMMAND_ERROR_IS_FATAL ANY)
file(READ ${SOURCE_DIR}/packaging/${ID}.metainfo.xml metadata)
string(REGEX MATCHALL "packaging/screenshots/[^<]+\\.png" listed "${metadata}")
if(NOT listed)
    message(FATAL_ERROR "the metadata lists no screenshot")
endif()
foreach(path ${listed})
    get_filename_component(name ${path} NAME)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SOURCE_DIR}/${path} ${WORK_DIR}/${name}
                    RESULT_VARIABLE differ)
    if(differ)
        list(APPEND outdated ${name})
    endif()
endforeach()
if(outdated)
    message(FATAL_ERROR "not what the program shows now: ${outdated}; remake them with\n"
                        "  QT_QPA_PLATFORM=offscreen build/tools/snapshot --screenshots packaging/screenshots")
endif()
