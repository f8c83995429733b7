# SPDX-License-Identifier: GPL-3.0-or-later

# The changelog script on releases whose dates, entities and lengths are
# awkward: a leap day, a January, a release without notes and a note too
# long for one line.
set(metainfo ${WORK_DIR}/releases.metainfo.xml)
file(WRITE ${metainfo} [[<component>
  <releases>
    <release version="2.0" date="2027-01-04">
      <description>
        <p>Compares 3/4 &lt; 5/6 &amp; more; the notes of a release wrap at the changelog's width.</p>
        <p xml:lang="it">Confronta di più.</p>
        <ul><li>One</li></ul>
      </description>
    </release>
    <release version="1.0" date="2024-02-29"/>
  </releases>
</component>
]])
set(expected [[quotelle (2.0) bookworm; urgency=medium

  * Compares 3/4 < 5/6 & more; the notes of a release wrap at the changelog's
    width.
  * One

 -- A <a@example.org>  Mon, 04 Jan 2027 12:00:00 +0000

quotelle (1.0) bookworm; urgency=medium

  * Release 1.0.

 -- A <a@example.org>  Thu, 29 Feb 2024 12:00:00 +0000
]])

function(write_changelog version result)
    execute_process(COMMAND ${CMAKE_COMMAND} -DMETAINFO=${metainfo} -DPACKAGE=quotelle
                            -DVERSION=${version} "-DMAINTAINER=A <a@example.org>"
                            -DOUTPUT=${WORK_DIR}/changelog -P ${SCRIPT}
                    RESULT_VARIABLE status ERROR_QUIET)
    set(${result} ${status} PARENT_SCOPE)
endfunction()

write_changelog(2.0 status)
file(READ ${WORK_DIR}/changelog written)
if(NOT status EQUAL 0 OR NOT written STREQUAL expected)
    message(FATAL_ERROR "changelog (${status}):\n${written}\nexpected:\n${expected}")
endif()
# A project version that is not the newest release must stop the build.
write_changelog(2.1 status)
if(status EQUAL 0)
    message(FATAL_ERROR "a project version without its release was accepted")
endif()
