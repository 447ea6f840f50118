cmake_minimum_required(VERSION 3.25)
# Reads the project's own includes and fails on any that reaches a folder the includer
# may not use: a lower layer or room including a higher one, or two including each other.
# Run as: cmake -DSOURCE_DIR=<sources> -P check_layers.cmake

# Each folder and what it may include besides itself, lowest first.
set(layers
    "ini:"
    "skin:ini"
    "platform:ini skin"
    "editor/document:ini skin platform"
    "editor/scene:ini skin platform editor/document"
    "editor/files:ini skin platform editor/document editor/scene"
    "editor/controls:ini skin platform editor/document editor/scene"
    "editor/interaction:ini skin platform editor/document editor/scene editor/controls"
    "editor/windows:ini skin platform editor/document editor/scene editor/files editor/controls editor/interaction"
    "update:ini skin platform"
    "app:ini skin platform editor/document editor/scene editor/files editor/controls editor/interaction editor/windows update")

# The folder an include names: "editor/<room>" inside the editor, else its first part.
function(folder_of include result)
    if(include MATCHES "^(editor/[A-Za-z]+)/")
        set(${result} "${CMAKE_MATCH_1}" PARENT_SCOPE)
    elseif(include MATCHES "^([A-Za-z]+)/")
        set(${result} "${CMAKE_MATCH_1}" PARENT_SCOPE)
    else()
        set(${result} "" PARENT_SCOPE)
    endif()
endfunction()

set(known)
foreach(layer IN LISTS layers)
    string(REGEX REPLACE ":.*" "" folder "${layer}")
    list(APPEND known "${folder}")
endforeach()

set(faults 0)
foreach(layer IN LISTS layers)
    string(REGEX REPLACE ":.*" "" folder "${layer}")
    string(REGEX REPLACE "^[^:]*:" "" allowed "${layer}")
    string(REPLACE " " ";" allowed "${allowed}")
    file(GLOB sources LIST_DIRECTORIES false "${SOURCE_DIR}/${folder}/*.h"
         "${SOURCE_DIR}/${folder}/*.cpp")
    if(NOT sources)
        message(SEND_ERROR "${folder}: no sources found")
        math(EXPR faults "${faults} + 1")
    endif()
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" includes REGEX "^#include \"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" include "${line}")
            folder_of("${include}" target)
            if(target STREQUAL "" OR target STREQUAL folder OR NOT target IN_LIST known)
                continue()
            endif()
            if(NOT target IN_LIST allowed)
                file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
                message(SEND_ERROR "${shown} includes ${include}: ${folder} may not use ${target}")
                math(EXPR faults "${faults} + 1")
            endif()
        endforeach()
    endforeach()
endforeach()

# The editor has no folder beside its rooms: a new one must find its place above.
file(GLOB editor_entries LIST_DIRECTORIES true "${SOURCE_DIR}/editor/*")
foreach(entry IN LISTS editor_entries)
    file(RELATIVE_PATH shown "${SOURCE_DIR}" "${entry}")
    if(IS_DIRECTORY "${entry}" AND NOT shown IN_LIST known)
        message(SEND_ERROR "${shown} is no room the layers know")
        math(EXPR faults "${faults} + 1")
    elseif(NOT IS_DIRECTORY "${entry}" AND NOT shown STREQUAL "editor/CMakeLists.txt")
        message(SEND_ERROR "${shown} lies outside the editor's rooms")
        math(EXPR faults "${faults} + 1")
    endif()
endforeach()

if(faults GREATER 0)
    message(FATAL_ERROR "${faults} include(s) against the layers")
endif()
