# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Compile options shared by every target, as INTERFACE targets, and the functions that make the
# project's libraries.
add_library(tocklet_options INTERFACE)
target_compile_features(tocklet_options INTERFACE cxx_std_20)
target_compile_definitions(tocklet_options INTERFACE
    QT_NO_KEYWORDS QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

add_library(tocklet_warnings INTERFACE)
target_compile_options(tocklet_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
    -Woverloaded-virtual -Wimplicit-fallthrough $<$<BOOL:${TOCKLET_DEVELOPER}>:-Werror>)

if(TOCKLET_SANITIZE)
    target_compile_options(tocklet_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(tocklet_options INTERFACE -fsanitize=address,undefined)
endif()

# The fuzz build instruments every library for coverage and the sanitizers; the fuzz targets
# themselves add libFuzzer's main (tests/fuzz).
if(TOCKLET_FUZZ)
    target_compile_options(tocklet_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer -g -O1)
    target_link_options(tocklet_options INTERFACE -fsanitize=address,undefined)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)

# A folder's headers, reachable as "<folder>/<name>.h" by the folder's own target and by the
# targets that link it, and by no other: the folder's headers (not those of its subfolders) are
# mirrored as links into an include folder of the target's own. So an include of a folder that
# the target does not link fails to compile, as the layering test also reports.
function(tocklet_publish_headers name scope)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    set(root ${CMAKE_BINARY_DIR}/include/${name})
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    file(REMOVE_RECURSE ${root})
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header ${headers})
        get_filename_component(file_name ${header} NAME)
        file(CREATE_LINK ${header} ${root}/${folder}/${file_name} SYMBOLIC)
    endforeach()
    target_include_directories(${name} ${scope} ${root})
    set_property(GLOBAL APPEND PROPERTY TOCKLET_FOLDER_TARGETS "${name}=${folder}")
endfunction()

# One call sets up a folder's library: options, warnings, its sources and its headers. The
# folder must have its place in the layer table.
function(tocklet_library name)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    tocklet_layer_of("${folder}" layer)
    if(NOT layer)
        message(FATAL_ERROR "${folder}/ has no place in TOCKLET_LAYERS (cmake/Layers.cmake)")
    endif()
    add_library(${name} STATIC ${ARGN})
    target_link_libraries(${name} PUBLIC tocklet_options PRIVATE tocklet_warnings)
    tocklet_publish_headers(${name} PUBLIC)
endfunction()
