# Fuzzers built with clang's libFuzzer, under AddressSanitizer and
# UndefinedBehaviorSanitizer, whatever compiler builds the rest. A fuzzer is
# made of one project library and the project's libraries it links, compiled
# again from their sources with their include directories and definitions,
# so that a file added to one of them is fuzzed too. Each source is compiled
# once, for every fuzzer of the directory that needs it.
find_program(ZENTOLK_CLANGXX NAMES clang++ clang++-14)

# Line tables are all a crash report needs.
set(ZENTOLK_FUZZ_COMPILE -std=c++20 -O1 -gline-tables-only -fsanitize=fuzzer-no-link,address,undefined)
set(ZENTOLK_FUZZ_LINK -fsanitize=fuzzer,address,undefined)

# zentolk_fuzz_object(<source> <flags> <var>)
#
# Sets <var> to the object file of <source> compiled for the fuzzers with
# <flags> (a list), adding the command that makes it the first time.
function(zentolk_fuzz_object source flags var)
    file(RELATIVE_PATH name ${PROJECT_SOURCE_DIR} ${source})
    set(object ${CMAKE_CURRENT_BINARY_DIR}/fuzz_objects/${name}.o)
    get_property(made DIRECTORY PROPERTY ZENTOLK_FUZZ_OBJECTS)
    if(NOT object IN_LIST made)
        set_property(DIRECTORY APPEND PROPERTY ZENTOLK_FUZZ_OBJECTS ${object})
        add_custom_command(OUTPUT ${object}
            COMMAND ${ZENTOLK_CLANGXX} ${ZENTOLK_FUZZ_COMPILE} ${flags}
                -MD -MT ${object} -MF ${object}.d -c ${source} -o ${object}
            DEPENDS ${source}
            DEPFILE ${object}.d
            COMMENT "Compiling ${name} for the fuzzers" VERBATIM COMMAND_EXPAND_LISTS)
    endif()
    set(${var} ${object} PARENT_SCOPE)
endfunction()

# zentolk_clang_fuzzer(<name> LIBRARY <library> SOURCES <source>...)
#
# Builds ${CMAKE_CURRENT_BINARY_DIR}/<name> from the SOURCES (relative to the
# current source folder) and <library> with what it links, by the target
# zentolk_<name>, which is not part of the default build.
function(zentolk_clang_fuzzer name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "LIBRARY" "SOURCES")
    zentolk_static_closure(${arg_LIBRARY} libraries)
    set(sources)
    set(flags)
    foreach(library IN LISTS libraries)
        zentolk_target_cpp_sources(${library} library_sources)
        list(APPEND sources ${library_sources})
        set(dirs "$<TARGET_PROPERTY:${library},INCLUDE_DIRECTORIES>")
        set(definitions "$<TARGET_PROPERTY:${library},COMPILE_DEFINITIONS>")
        list(APPEND flags
            "$<$<BOOL:${dirs}>:-I$<JOIN:${dirs},$<SEMICOLON>-I>>"
            "$<$<BOOL:${definitions}>:-D$<JOIN:${definitions},$<SEMICOLON>-D>>")
    endforeach()
    foreach(source IN LISTS arg_SOURCES)
        cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} NORMALIZE)
        list(APPEND sources ${source})
    endforeach()
    set(objects)
    foreach(source IN LISTS sources)
        zentolk_fuzz_object(${source} "${flags}" object)
        list(APPEND objects ${object})
    endforeach()
    set(fuzzer ${CMAKE_CURRENT_BINARY_DIR}/${name})
    add_custom_command(OUTPUT ${fuzzer}
        COMMAND ${ZENTOLK_CLANGXX} ${ZENTOLK_FUZZ_LINK} ${objects} -o ${fuzzer}
        DEPENDS ${objects}
        COMMENT "Linking the fuzzer ${name}" VERBATIM)
    add_custom_target(zentolk_${name} DEPENDS ${fuzzer})
endfunction()
