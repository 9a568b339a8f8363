# Shared by the program, the gallery and the tests that read the version block;
# the generator tool vantrope-versionblock is built in platform/version.

# vantrope_embed_version_block(<target>): the target carries the version block
# of PROJECT_VERSION, readable with GetFileVersionInfoW on its file.
function(vantrope_embed_version_block target)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/${target}_version_block.c)
    add_custom_command(
        OUTPUT ${source}
        COMMAND vantrope-versionblock ${PROJECT_VERSION} ${source}
        DEPENDS vantrope-versionblock
        COMMENT "Version block ${PROJECT_VERSION} for ${target}"
        VERBATIM)
    set_source_files_properties(${source} PROPERTIES SKIP_AUTOGEN ON)
    target_sources(${target} PRIVATE ${source})
endfunction()
