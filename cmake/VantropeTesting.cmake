# vantrope_add_test(<name> SOURCES <files...> LIBS <targets...> [TIMEOUT <s>] [LABELS <l...>])
# A Qt Test executable, run by ctest headless from the binary folder, so the
# decoder library and the skin folder are found beside it as in the program.
function(vantrope_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test vantrope_testsupport ${T_LIBS})
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VANTROPE_TESTDATA=${VANTROPE_SHARED_DIR}/testdata;VANTROPE_GALLERY_DIR=${CMAKE_BINARY_DIR}/gallery;VANTROPE_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
    if(T_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
    endif()
endfunction()
