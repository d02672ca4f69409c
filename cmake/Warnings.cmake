# Warnings on and treated as errors for the project's own targets.
function(zephyrin_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                                                 -Wno-missing-field-initializers -Werror)
    endif()
endfunction()
