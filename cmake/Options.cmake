# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Compile options shared by every target, as INTERFACE targets.
add_library(tocklet_options INTERFACE)
target_compile_features(tocklet_options INTERFACE cxx_std_20)
target_include_directories(tocklet_options INTERFACE ${PROJECT_SOURCE_DIR})
target_compile_definitions(tocklet_options INTERFACE
    QT_NO_KEYWORDS QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

add_library(tocklet_warnings INTERFACE)
target_compile_options(tocklet_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
    -Woverloaded-virtual -Wimplicit-fallthrough -Werror)

if(TOCKLET_SANITIZE)
    target_compile_options(tocklet_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(tocklet_options INTERFACE -fsanitize=address,undefined)
endif()

# One call sets up a project library: options, warnings, and its sources.
function(tocklet_library name)
    add_library(${name} STATIC ${ARGN})
    target_link_libraries(${name} PUBLIC tocklet_options PRIVATE tocklet_warnings)
endfunction()
