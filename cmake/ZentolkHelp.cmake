# Compiling help projects (.hhp) into help files (.chm) with chmcmd.
find_program(CHMCMD chmcmd REQUIRED)

# chmcmd writes a byte of the keyword map from memory it never set, so it is
# whatever its heap held there, and the compressed pages differ from run to run.
# Without address randomization the heap, and so that byte, is the same on
# every run. Where that is not allowed (some containers), the help is built
# as before.
set(zentolk_help_launcher "")
find_program(SETARCH setarch)
if(SETARCH)
    execute_process(COMMAND ${SETARCH} -R true RESULT_VARIABLE setarch_result
                    OUTPUT_QUIET ERROR_QUIET)
    if(setarch_result EQUAL 0)
        set(zentolk_help_launcher ${SETARCH} -R)
    endif()
endif()

# zentolk_compile_help(TARGET name SOURCE_DIR dir PROJECT file.hhp OUTPUT file.chm
#                      [SHARED_FILES file...] [ALLOW_WARNINGS])
# makes a target, built by default, that compiles every file of SOURCE_DIR
# (and the SHARED_FILES, such as a style sheet that translations share, beside
# them) again whenever one of them changes. Warnings (a link to a missing page)
# fail the build unless ALLOW_WARNINGS is given.
function(zentolk_compile_help)
    cmake_parse_arguments(PARSE_ARGV 0 arg "ALLOW_WARNINGS" "TARGET;SOURCE_DIR;PROJECT;OUTPUT"
                          "SHARED_FILES")
    set(allow_warnings OFF)
    if(arg_ALLOW_WARNINGS)
        set(allow_warnings ON)
    endif()
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${arg_SOURCE_DIR}/*")
    add_custom_command(
        OUTPUT ${arg_OUTPUT}
        COMMAND ${zentolk_help_launcher} ${CMAKE_COMMAND}
            -DCHMCMD=${CHMCMD}
            -DSOURCE_DIR=${arg_SOURCE_DIR}
            "-DSHARED_FILES=${arg_SHARED_FILES}"
            -DSTAGE_DIR=${CMAKE_CURRENT_BINARY_DIR}/${arg_TARGET}
            -DPROJECT=${arg_PROJECT}
            -DOUTPUT=${arg_OUTPUT}
            -DALLOW_WARNINGS=${allow_warnings}
            -P ${PROJECT_SOURCE_DIR}/cmake/CompileHelp.cmake
        DEPENDS ${sources} ${arg_SHARED_FILES} ${PROJECT_SOURCE_DIR}/cmake/CompileHelp.cmake
        COMMENT "Compiling help ${arg_PROJECT}"
        VERBATIM)
    add_custom_target(${arg_TARGET} ALL DEPENDS ${arg_OUTPUT})
endfunction()
