# Strict warnings on the project's own targets only. They are errors where the project
# chooses so (its presets and CI), never for someone who builds it with another
# compiler or other flags, a packager for instance.
option(TRELLIC_WERROR "Treat the compiler's warnings on Trellic's own code as errors" OFF)

function(trellic_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /permissive- $<$<BOOL:${TRELLIC_WERROR}>:/WX>)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
            $<$<BOOL:${TRELLIC_WERROR}>:-Werror>)
    endif()
endfunction()
