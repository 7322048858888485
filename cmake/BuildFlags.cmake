# The compiler's warnings and the sanitizers, as the usage requirements of one
# INTERFACE library that every target of the project links PRIVATE. Nothing
# else is compiled with them: found packages, configure checks and the
# clang-built fuzzers keep their own flags, and -Werror stays with our code.
add_library(zentolk_build_flags INTERFACE)
target_compile_options(zentolk_build_flags INTERFACE -Wall -Wextra -Wpedantic)
if(ZENTOLK_WERROR)
    target_compile_options(zentolk_build_flags INTERFACE -Werror)
endif()
# The hardening a Debian package is expected to have: a stack protector,
# full RELRO with immediate binding, and checked string and memory functions.
# Those need optimisation (at -O0 glibc warns and -Werror fails), and the
# sanitizers check the same calls their own way.
target_compile_options(zentolk_build_flags INTERFACE -fstack-protector-strong)
target_link_options(zentolk_build_flags INTERFACE LINKER:-z,relro LINKER:-z,now)
if(NOT ZENTOLK_SANITIZE)
    target_compile_options(zentolk_build_flags INTERFACE
        $<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2>)
endif()
if(ZENTOLK_SANITIZE)
    target_compile_options(zentolk_build_flags INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(zentolk_build_flags INTERFACE -fsanitize=address,undefined)
endif()

# zentolk_link_build_flags()
#
# Links zentolk_build_flags PRIVATE into every library and program defined in
# this directory and below it. Called once, after the last add_subdirectory,
# so that a target added anywhere gets the flags without asking for them.
function(zentolk_link_build_flags)
    zentolk_project_targets(targets)
    foreach(target IN LISTS targets)
        target_link_libraries(${target} PRIVATE zentolk_build_flags)
    endforeach()
endfunction()
