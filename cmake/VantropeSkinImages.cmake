# The files the skin painter writes, read from the one table of painted
# images (UI/Vantrope/Skin/table/skinimages.def), at 1x and @2x.
#
#   vantrope_skin_image_files(<SKIN|RESOURCE> <out-var>)
#
# sets <out-var> to the paths relative to the place's root.
set(VANTROPE_SKIN_TABLE ${CMAKE_SOURCE_DIR}/UI/Vantrope/Skin/table/skinimages.def)

function(vantrope_skin_image_files place out_var)
    file(STRINGS ${VANTROPE_SKIN_TABLE} lines REGEX "^${place}_IMAGE\\(")
    set(files)
    foreach(line IN LISTS lines)
        if(NOT line MATCHES "^${place}_IMAGE\\(\"([^\"]+)\", *[0-9]+, *[0-9]+, *([A-Za-z]+),")
            message(FATAL_ERROR "${VANTROPE_SKIN_TABLE}: cannot read: ${line}")
        endif()
        set(file ${CMAKE_MATCH_1})
        set(kind ${CMAKE_MATCH_2})
        if(kind STREQUAL "ThreeStates")
            list(APPEND files ${file}_normal.png ${file}_hover.png ${file}_pressing.png)
        elseif(kind STREQUAL "FourStates")
            list(APPEND files ${file}_normal.png ${file}_hover.png ${file}_pressing.png ${file}_disable.png)
        else()
            list(APPEND files ${file})
        endif()
    endforeach()
    set(doubled ${files})
    list(TRANSFORM doubled REPLACE "\\.(png|jpg)$" "@2x.\\1")
    list(APPEND files ${doubled})
    set(${out_var} ${files} PARENT_SCOPE)
endfunction()
