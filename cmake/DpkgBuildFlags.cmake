# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# With TOCKLET_DPKG_BUILDFLAGS, the compiler and linker flags Debian builds its packages with,
# every hardening feature switched on: fortified functions, stack protector, format checks,
# read-only relocations and immediate binding.
if(NOT TOCKLET_DPKG_BUILDFLAGS)
    return()
endif()
find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${DPKG_BUILDFLAGS} --get ${kind}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE DPKG_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(DPKG_${kind} UNIX_COMMAND "${DPKG_${kind}}")
endforeach()
# dpkg-buildflags gives its own -O and -g; the build type adds none of its own (None).
add_compile_options(${DPKG_CPPFLAGS} ${DPKG_CXXFLAGS})
add_link_options(${DPKG_LDFLAGS})
message(STATUS "Debian build flags: ${DPKG_CPPFLAGS} ${DPKG_CXXFLAGS} | ${DPKG_LDFLAGS}")
