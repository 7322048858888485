# Each target sees the headers of its own folder and of the targets it links,
# no others. Includes name their folder ("engine/Reading.h"), so a folder's
# headers are exported through a directory of the build tree that holds one
# link, <folder>, to that folder of the sources; the project root itself is
# never an include directory.

# zentolk_folder_headers(<target> <PUBLIC|PRIVATE|INTERFACE> [<folder>])
#
# Adds to <target>'s include directories, with the given scope, the directory
# through which "<folder>/Header.h" finds <folder>'s headers. <folder> is a
# path relative to the project root, by default the current source folder.
function(zentolk_folder_headers target scope)
    if(ARGC GREATER 2)
        set(folder ${ARGV2})
    else()
        file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    endif()
    string(REPLACE "/" "_" name ${folder})
    set(root ${CMAKE_BINARY_DIR}/include/${name})
    set(link ${root}/${folder})
    set(destination ${PROJECT_SOURCE_DIR}/${folder})
    if(IS_SYMLINK ${link})
        file(READ_SYMLINK ${link} current)
        if(NOT current STREQUAL destination)
            file(REMOVE ${link})
        endif()
    endif()
    if(NOT IS_SYMLINK ${link})
        get_filename_component(parent ${link} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${destination} ${link} SYMBOLIC)
    endif()
    target_include_directories(${target} ${scope} ${root})
endfunction()

# zentolk_single_header(<target> <PUBLIC|PRIVATE|INTERFACE> <folder>/<header>)
#
# The same for one header of a folder, for a target that may see that header
# and nothing else of the folder (the help kit and the viewer's interface).
function(zentolk_single_header target scope header)
    string(REPLACE "/" "_" name ${header})
    set(root ${CMAKE_BINARY_DIR}/include/single_${name})
    set(link ${root}/${header})
    if(NOT IS_SYMLINK ${link})
        get_filename_component(parent ${link} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${header} ${link} SYMBOLIC)
    endif()
    target_include_directories(${target} ${scope} ${root})
endfunction()
