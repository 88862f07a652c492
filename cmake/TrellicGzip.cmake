# Files installed compressed, as Debian keeps manual pages and changelogs. gzip -9n
# leaves the file's name and time stamp out of the archive, so the same text always
# gives the same bytes.
include_guard(GLOBAL)

find_program(GZIP gzip REQUIRED)

# trellic_install_gzipped(<source> DESTINATION <dir> [RENAME <name>])
# compresses <source> into <name>.gz in the current build folder as part of the
# default build, and installs that into <dir>.
function(trellic_install_gzipped source)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "DESTINATION;RENAME" "")
    if(NOT arg_DESTINATION)
        message(FATAL_ERROR "trellic_install_gzipped(${source}): no DESTINATION")
    endif()
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
    cmake_path(GET source FILENAME name)
    if(arg_RENAME)
        set(name ${arg_RENAME})
    endif()

    set(plain ${CMAKE_CURRENT_BINARY_DIR}/gzipped/${name})
    add_custom_command(OUTPUT ${plain}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
        COMMAND ${GZIP} -9nf ${plain}
        DEPENDS ${source}
        COMMENT "Compressing ${name}"
        VERBATIM)
    string(MAKE_C_IDENTIFIER "gzip_${arg_DESTINATION}_${name}" target)
    add_custom_target(${target} ALL DEPENDS ${plain}.gz)
    install(FILES ${plain}.gz DESTINATION ${arg_DESTINATION})
endfunction()
