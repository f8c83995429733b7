# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into PREFIX and checks that every file lands where the
# desktop looks for it, under the names the desktop entry and metadata use.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/quotelle
    share/applications/${ID}.desktop
    share/metainfo/${ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${ID}.svg
    share/icons/hicolor/32x32/apps/${ID}.png
    share/man/man1/quotelle.1.gz
    share/doc/quotelle/copyright
    share/doc/quotelle/changelog.gz
    share/doc/quotelle/examples/quotelle.conf
    share/doc/quotelle/README.md)
# Every picture the installed README shows is found from where it lies.
file(STRINGS ${PREFIX}/share/doc/quotelle/README.md links ENCODING UTF-8 REGEX "!\\[[^]]*\\]\\(")
foreach(line ${links})
    string(REGEX MATCHALL "!\\[[^]]*\\]\\([^)]+\\)" pictures "${line}")
    foreach(picture ${pictures})
        string(REGEX REPLACE ".*\\((.+)\\)$" "share/doc/quotelle/\\1" picture "${picture}")
        list(APPEND expected ${picture})
    endforeach()
endforeach()
foreach(file ${expected})
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed files differ:\n  ${installed}\nexpected:\n  ${expected}")
endif()

file(STRINGS ${PREFIX}/share/applications/${ID}.desktop entry)
foreach(line "Exec=quotelle" "Icon=${ID}" "Name=Le quotelle" "Categories=Education;Math;")
    list(FIND entry "${line}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "desktop entry lacks ${line}")
    endif()
endforeach()

file(READ ${PREFIX}/share/metainfo/${ID}.metainfo.xml metadata)
foreach(needle "<id>${ID}</id>" "<launchable type=\"desktop-id\">${ID}.desktop</launchable>"
        "<binary>quotelle</binary>")
    string(FIND "${metadata}" "${needle}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "metadata lacks ${needle}")
    endif()
endforeach()

# The 32 x 32 icon really is 32 x 32: its PNG header says so.
file(READ ${PREFIX}/share/icons/hicolor/32x32/apps/${ID}.png header LIMIT 24 HEX)
string(SUBSTRING "${header}" 32 16 size)
if(NOT size STREQUAL "0000002000000020")
    message(FATAL_ERROR "the 32x32 icon has the size ${size}")
endif()
message(STATUS "installed as expected into ${PREFIX}")
