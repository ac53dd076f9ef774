# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Fails when the link command in LINK_FILE (a target's link.txt) names a Qt library.
#   cmake -DLINK_FILE=<build>/<dir>/CMakeFiles/<target>.dir/link.txt -P CheckNoQtLink.cmake
file(READ ${LINK_FILE} line)
string(REGEX MATCHALL "[^ ]*[Qq]t6[^ ]*" qt "${line}")
if(qt)
    message(FATAL_ERROR "${LINK_FILE} links Qt: ${qt}")
endif()
message(STATUS "no Qt on the link line: ${LINK_FILE}")
