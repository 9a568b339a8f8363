# Runs lupdate over the sources into copies of the catalogues and fails when
# any text is left untranslated (new in the code) or obsolete (gone from the
# code): the catalogues in the source tree must match the code as it is.
#
#   cmake -DLUPDATE=<lupdate> -DSOURCES=<folder> -DCATALOGUES=<a.ts|b.ts> -DWORK=<scratch folder>
#         -P check_catalogues.cmake
foreach(var LUPDATE SOURCES CATALOGUES WORK)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} not given")
    endif()
endforeach()

string(REPLACE "|" ";" CATALOGUES "${CATALOGUES}")
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(copies)
foreach(ts IN LISTS CATALOGUES)
    get_filename_component(name ${ts} NAME)
    configure_file(${ts} ${WORK}/${name} COPYONLY)
    list(APPEND copies ${WORK}/${name})
endforeach()

execute_process(COMMAND ${LUPDATE} -silent -locations none ${SOURCES} -ts ${copies}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${rc}):\n${out}")
endif()

set(problems "")
foreach(copy IN LISTS copies)
    get_filename_component(name ${copy} NAME)
    file(STRINGS ${copy} lines ENCODING UTF-8)
    set(source "")
    foreach(line IN LISTS lines)
        if(line MATCHES "<source>(.*)</source>")
            set(source "${CMAKE_MATCH_1}")
        elseif(line MATCHES "<source>(.*)")
            set(source "${CMAKE_MATCH_1}...")
        endif()
        if(line MATCHES "type=\"(unfinished|vanished|obsolete)\"")
            string(APPEND problems "  ${name}: ${CMAKE_MATCH_1}: ${source}\n")
        endif()
    endforeach()
endforeach()

if(problems)
    message(FATAL_ERROR "The catalogues do not match the code. Run the translations-update target, "
                        "then translate what is unfinished:\n${problems}")
endif()
message(STATUS "All catalogues complete")
