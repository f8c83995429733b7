# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the Debian changelog of the package from the releases the AppStream
# metadata lists, newest first, so that the release history is kept in one
# place. Each release's untranslated <p> and <li> texts become its entries.
#   cmake -DMETAINFO=... -DPACKAGE=... -DVERSION=... -DMAINTAINER=... -DOUTPUT=... -P changelog.cmake
cmake_minimum_required(VERSION 3.25)

# Semicolons would split CMake's lists: the text carries this one-character
# stand-in until it is written.
string(ASCII 31 semicolon)

# An RFC 5322 date at noon UTC for a YYYY-MM-DD day.
function(rfc5322_date day out)
    if(NOT day MATCHES "^[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$")
        message(FATAL_ERROR "release date ${day} is not YYYY-MM-DD")
    endif()
    execute_process(COMMAND env LC_ALL=C date --utc --rfc-email --date "${day} 12:00:00Z"
                    OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    set(${out} "${date}" PARENT_SCOPE)
endfunction()

# One "  * " entry, wrapped to stay within 80 columns.
function(append_entry text out)
    string(REGEX REPLACE "[ \t\r\n]+" " " text "${text}")
    string(STRIP "${text}" text)
    string(REPLACE "&lt${semicolon}" "<" text "${text}")
    string(REPLACE "&gt${semicolon}" ">" text "${text}")
    string(REPLACE "&quot${semicolon}" "\"" text "${text}")
    string(REPLACE "&apos${semicolon}" "'" text "${text}")
    string(REPLACE "&amp${semicolon}" "&" text "${text}")
    string(REPLACE " " ";" words "${text}")
    set(result "${${out}}")
    set(line "  *")
    foreach(word ${words})
        string(LENGTH "${line} ${word}" length)
        if(length GREATER 78 AND NOT line STREQUAL "  *")
            string(APPEND result "${line}\n")
            set(line "   ")
        endif()
        string(APPEND line " ${word}")
    endforeach()
    string(APPEND result "${line}\n")
    set(${out} "${result}" PARENT_SCOPE)
endfunction()

file(READ ${METAINFO} metadata)
string(REPLACE ";" "${semicolon}" metadata "${metadata}")
string(REGEX MATCHALL "<release [^>]*(/>|>)" heads "${metadata}")
if(NOT heads)
    message(FATAL_ERROR "${METAINFO} lists no release")
endif()

# Cut the metadata at each release head, so that each release's own text is
# what lies between its head and the next one's.
set(changelog "")
set(rest "${metadata}")
set(first TRUE)
foreach(head ${heads})
    string(FIND "${rest}" "${head}" start)
    string(LENGTH "${head}" headLength)
    math(EXPR bodyStart "${start} + ${headLength}")
    string(SUBSTRING "${rest}" ${bodyStart} -1 rest)
    set(body "")
    if(NOT head MATCHES "/>$")
        string(FIND "${rest}" "</release>" end)
        string(SUBSTRING "${rest}" 0 ${end} body)
    endif()

    if(NOT head MATCHES "version=\"([^\"]+)\"")
        message(FATAL_ERROR "a release in ${METAINFO} has no version")
    endif()
    set(version ${CMAKE_MATCH_1})
    if(NOT head MATCHES "date=\"([^\"]+)\"")
        message(FATAL_ERROR "release ${version} in ${METAINFO} has no date")
    endif()
    rfc5322_date(${CMAKE_MATCH_1} date)
    if(first AND NOT version STREQUAL VERSION)
        message(FATAL_ERROR "the newest release in ${METAINFO} is ${version}, "
                            "the project's version is ${VERSION}")
    endif()
    set(first FALSE)

    set(entries "")
    string(REGEX MATCHALL "<(p|li)>[^<]*</(p|li)>" texts "${body}")
    foreach(text ${texts})
        string(REGEX REPLACE "^<(p|li)>|</(p|li)>$" "" text "${text}")
        append_entry("${text}" entries)
    endforeach()
    if(entries STREQUAL "")
        append_entry("Release ${version}." entries)
    endif()

    if(NOT changelog STREQUAL "")
        string(APPEND changelog "\n")
    endif()
    string(APPEND changelog "${PACKAGE} (${version}) bookworm; urgency=medium\n\n${entries}\n"
                            " -- ${MAINTAINER}  ${date}\n")
endforeach()

string(REPLACE "${semicolon}" ";" changelog "${changelog}")
file(WRITE ${OUTPUT} "${changelog}")
