# Checks that the folders of host/ include one another only downwards:
#
#   cmake -DHOST_DIR=<host folder> -P include_directions.cmake
#
# Reads every #include "host/<folder>/..." line of every file under HOST_DIR
# and fails, naming the file and the line, on one that reaches a folder its
# own folder may not use, or a folder that has no place in the list below;
# also on a source file that sits in no folder.
cmake_minimum_required(VERSION 3.25)

# Whom each folder includes directly; what those include may be used too.
set(uses_text "")
set(uses_kapi "")
set(uses_win32 "")
set(uses_scene text kapi)
set(uses_exports scene kapi)
set(uses_loader exports)
set(uses_automation win32 text)
set(uses_scene_view scene win32)
set(uses_gallery exports win32)
set(uses_script text kapi win32 scene exports loader automation scene_view gallery)
set(uses_app text kapi win32 scene exports loader automation scene_view gallery script)
set(folders text kapi win32 scene exports loader automation scene_view gallery script app)

if(NOT HOST_DIR OR NOT IS_DIRECTORY "${HOST_DIR}")
    message(FATAL_ERROR "give -DHOST_DIR=<the host folder>")
endif()

# Every folder a folder may include from: its own, and all it reaches.
foreach(folder IN LISTS folders)
    set(reach_${folder} ${folder})
    set(todo ${uses_${folder}})
    while(todo)
        list(POP_FRONT todo next)
        if(NOT next IN_LIST reach_${folder})
            list(APPEND reach_${folder} ${next})
            list(APPEND todo ${uses_${next}})
        endif()
    endwhile()
endforeach()

file(GLOB_RECURSE files RELATIVE "${HOST_DIR}" "${HOST_DIR}/*.h" "${HOST_DIR}/*.cpp")
list(SORT files)
set(faults "")
set(checked 0)
foreach(file IN LISTS files)
    if(NOT file MATCHES "^([^/]+)/")
        string(APPEND faults "\n  ${file}: sits in no folder of host/")
        continue()
    endif()
    set(folder ${CMAKE_MATCH_1})
    if(NOT folder IN_LIST folders)
        string(APPEND faults "\n  ${file}: ${folder}/ is no folder of the list")
        continue()
    endif()
    file(STRINGS "${HOST_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"host/")
    foreach(line IN LISTS includes)
        math(EXPR checked "${checked} + 1")
        if(NOT line MATCHES "\"host/([^/\"]+)/")
            string(APPEND faults "\n  ${file}: ${line}: includes from no folder of host/")
        elseif(NOT CMAKE_MATCH_1 IN_LIST reach_${folder})
            string(REPLACE ";" ", " allowed "${reach_${folder}}")
            string(APPEND faults
                   "\n  ${file}: ${line}: ${folder}/ may include from ${allowed} only")
        endif()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "host/ includes against its directions:${faults}")
endif()
list(LENGTH files count)
message(STATUS "host/: ${checked} includes in ${count} files, every one downwards")
