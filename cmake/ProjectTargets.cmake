# Settings applied to the project's targets as a whole, once all of them are
# defined, so that a target added anywhere gets them without asking.

# zentolk_project_targets(<var>)
#
# Sets <var> to every library and program defined in the current directory
# and below it.
function(zentolk_project_targets var)
    set(result)
    set(dirs ${CMAKE_CURRENT_SOURCE_DIR})
    while(dirs)
        list(POP_FRONT dirs dir)
        get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
        list(APPEND dirs ${subdirs})
        get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
        foreach(target IN LISTS targets)
            get_target_property(type ${target} TYPE)
            if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
                list(APPEND result ${target})
            endif()
        endforeach()
    endwhile()
    set(${var} ${result} PARENT_SCOPE)
endfunction()

# zentolk_uses_qt(<target> <var>)
#
# Sets <var> to TRUE when <target> links Qt, itself or through the project's
# libraries it links.
function(zentolk_uses_qt target var)
    set(pending ${target})
    set(seen)
    while(pending)
        list(POP_FRONT pending item)
        if(item IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${item})
        if(item MATCHES "^Qt6?::")
            set(${var} TRUE PARENT_SCOPE)
            return()
        endif()
        if(NOT TARGET ${item})
            continue()
        endif()
        get_target_property(imported ${item} IMPORTED)
        if(imported)
            continue()
        endif()
        get_target_property(libraries ${item} LINK_LIBRARIES)
        if(libraries)
            list(APPEND pending ${libraries})
        endif()
    endwhile()
    set(${var} FALSE PARENT_SCOPE)
endfunction()

# zentolk_moc_qt_targets()
#
# Runs moc for the targets that link Qt and for no others: the engine and the
# command line are plain C++, which should neither wait for moc passes nor be
# kept to what moc's parser reads. moc still reads the engine's headers
# through the windows' headers, without the compiler's predefined macros:
# with them it would open the standard library's C++20 parts (<concepts>),
# which it cannot parse. Its output for our classes is the same either way.
function(zentolk_moc_qt_targets)
    zentolk_project_targets(targets)
    foreach(target IN LISTS targets)
        zentolk_uses_qt(${target} qt)
        if(qt)
            set_target_properties(${target} PROPERTIES
                AUTOMOC ON
                AUTOMOC_COMPILER_PREDEFINES OFF)
        endif()
    endforeach()
endfunction()
