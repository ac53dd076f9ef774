# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# The numbering check must catch a number written twice: on a copy of the tree it passes, and
# with each planted duplicate it fails and names the file and the number.
#   cmake -DSOURCE_DIR=<tree> -DWORK_DIR=<scratch> -P CheckIdsPlanted.cmake
cmake_minimum_required(VERSION 3.25)
include(${SOURCE_DIR}/cmake/Layers.cmake)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/cmake)
file(COPY ${SOURCE_DIR}/cmake/Layers.cmake DESTINATION ${WORK_DIR}/cmake)
foreach(row ${TOCKLET_LAYERS})
    string(REGEX MATCHALL "[^ ]+" folders "${row}")
    list(POP_FRONT folders rank)
    foreach(folder ${folders})
        file(GLOB files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
        file(COPY ${files} DESTINATION ${WORK_DIR}/${folder})
    endforeach()
endforeach()

set(CHECK_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/CheckIds.cmake)
set(CHECK_ARGS )
include(${CMAKE_CURRENT_LIST_DIR}/PlantedFaults.cmake)

# The check passes on the copy as it is...
expect_clean()
# ...and fails on each planted duplicate: in the panel, in a template row, in the Qt-free task
# logic, in a comment of a dialog, in the menus, and twice in one id header.
expect_fault(shell/Planted.h "inline constexpr int kChime = 1054;"
    "shell/Planted.h writes 1054, a number named in resources/MainPanelIds.h and")
expect_fault(resources/TemplatesPlanted.cpp
    "ControlRow(1097, ControlKind::PushButton, \"确定\", {0, 0, 1, 1}),"
    "resources/TemplatesPlanted.cpp writes 1097")
expect_fault(tasks/Planted.h "struct Planted { static constexpr int kHourSpin = 1030; };"
    "tasks/Planted.h writes 1030, a number named in resources/AddTaskIds.h")
expect_fault(clock/ui/Planted.h "// Checks radio 1007 when the digits are yellow."
    "clock/ui/Planted.h writes 1007, a number named in resources/ClockColorIds.h")
expect_fault(resources/MenusPlanted.cpp "const int kCalendar{32800};"
    "resources/MenusPlanted.cpp writes 32800, a number named in resources/CommandIds.h")
expect_fault(resources/PlantedIds.h
    "inline constexpr int kOne = 1199;\ninline constexpr int kTwo = 1199;"
    "resources/PlantedIds.h writes 1199 twice")
