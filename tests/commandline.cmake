# SPDX-License-Identifier: GPL-3.0-or-later

# The command line as a teacher meets it in a terminal: the version and the
# help with no display at all, as over ssh, and at once a refusal of what the
# program does not take. A window opened would keep it running past the timeout.
function(run expected output error)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE err TIMEOUT 30)
    if(NOT status STREQUAL expected)
        message(FATAL_ERROR "${ARGN}: status ${status}, not ${expected}\n${out}${err}")
    endif()
    set(${output} "${out}" PARENT_SCOPE)
    set(${error} "${err}" PARENT_SCOPE)
endfunction()

# A session's private runtime directory, so that Qt has nothing to say of its own.
file(MAKE_DIRECTORY ${WORK_DIR}/runtime)
file(CHMOD ${WORK_DIR}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(ENV{XDG_RUNTIME_DIR} ${WORK_DIR}/runtime)

set(headless ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM)
foreach(option --version -v -version)
    run(0 output error ${headless} ${PROGRAM} ${option})
    if(NOT output STREQUAL "Le quotelle ${VERSION}\n" OR NOT error STREQUAL "")
        message(FATAL_ERROR "${option} printed:\n${output}${error}")
    endif()
endforeach()
run(0 help error ${headless} ${PROGRAM} --help)
foreach(line "Uso: quotelle [opzioni]" "\n  -h, --help " "\n  -v, --version " "\n  --voce "
        "\n  --lim " "\n  --tavola " "\n  --controlla ")
    string(FIND "${help}" "${line}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "--help lacks \"${line}\":\n${help}")
    endif()
endforeach()

# Qt's own options are taken as ever.
run(0 output error ${PROGRAM} -platform offscreen --version)
foreach(argument --nonesiste -x compito)
    run(2 output error ${headless} ${PROGRAM} ${argument})
    if(NOT error MATCHES "^quotelle: [^\n]+ «${argument}»\nPer l’elenco delle opzioni: quotelle --help\n$"
       OR NOT output STREQUAL "")
        message(FATAL_ERROR "${argument} refused with:\n${output}${error}")
    endif()
endforeach()

# No display, as from a text console or over ssh, or one that does not
# answer: one Italian line and status 1, never the toolkit's abort.
foreach(display "" ":987")
    if(display STREQUAL "")
        run(1 output error ${headless} ${PROGRAM})
    else()
        run(1 output error ${headless} DISPLAY=${display} ${PROGRAM})
    endif()
    if(NOT error MATCHES "^quotelle: Non trovo lo schermo: [^\n]+\n$" OR NOT output STREQUAL "")
        message(FATAL_ERROR "no display «${display}» answered with:\n${output}${error}")
    endif()
endforeach()

# --controlla, with no display, on the files a lab may hold: its status and a
# line it must print. Root enters every folder: it reads as a teacher would.
set(check ${WORK_DIR}/controlla)
file(REMOVE_RECURSE ${check})
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
function(settings_case name status lab expected)
    set(conf ${check}/${name}/lab/quotelle/quotelle.conf)
    if(name STREQUAL "folder")
        file(MAKE_DIRECTORY ${conf})
    else()
        file(WRITE ${conf} "${lab}")
    endif()
    if(name STREQUAL "closed")
        file(CHMOD ${check}/${name}/lab/quotelle PERMISSIONS OWNER_READ)
        if(uid STREQUAL "0")
            set(runner setpriv --reuid=65534 --regid=65534 --clear-groups)
        endif()
    endif()
    run(${status} output error ${headless} XDG_CONFIG_HOME=${check}/${name}/home
        XDG_CONFIG_DIRS=${check}/${name}/lab ${runner} ${PROGRAM} --controlla)
    file(CHMOD ${check}/${name}/lab/quotelle DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    string(FIND "${output}" "${expected}" found)
    if(found EQUAL -1 OR NOT error STREQUAL "")
        message(FATAL_ERROR "--controlla, ${name}: no \"${expected}\" in:\n${output}${error}")
    endif()
endfunction()
settings_case(good 0 "[esercizi]\ndenominatore_massimo = 10\n"
              "\n  [esercizi] denominatore_massimo = 10 (il laboratorio)\n")
settings_case(capitals 1 "[Esercizi]\nordine = crescente\n"
              "[Esercizi] ordine = «crescente»: si scrive [esercizi] ordine, in minuscolo")
settings_case(folder 1 "" "il file non si può leggere (è una cartella, non un file)")
settings_case(closed 1 "" "/lab/quotelle: la cartella non si può aprire (permesso negato)")
