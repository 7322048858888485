# What a target is built from, for builds that compile its sources again with
# other flags (the fuzzers), so that no list of source files is kept twice.

# zentolk_target_cpp_sources(<target> <var>)
#
# Sets <var> to <target>'s C++ sources, as absolute paths.
function(zentolk_target_cpp_sources target var)
    get_target_property(dir ${target} SOURCE_DIR)
    get_target_property(sources ${target} SOURCES)
    set(result)
    foreach(source IN LISTS sources)
        if(source MATCHES "\\.cpp$")
            cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${dir} NORMALIZE)
            list(APPEND result ${source})
        endif()
    endforeach()
    set(${var} ${result} PARENT_SCOPE)
endfunction()

# zentolk_static_closure(<target> <var>)
#
# Sets <var> to <target> and the project's static libraries it links,
# directly or through others.
function(zentolk_static_closure target var)
    set(pending ${target})
    set(result)
    while(pending)
        list(POP_FRONT pending item)
        if(NOT TARGET ${item} OR item IN_LIST result)
            continue()
        endif()
        get_target_property(type ${item} TYPE)
        get_target_property(imported ${item} IMPORTED)
        if(imported OR NOT type STREQUAL "STATIC_LIBRARY")
            continue()
        endif()
        list(APPEND result ${item})
        get_target_property(libraries ${item} LINK_LIBRARIES)
        if(libraries)
            list(APPEND pending ${libraries})
        endif()
    endwhile()
    set(${var} ${result} PARENT_SCOPE)
endfunction()
