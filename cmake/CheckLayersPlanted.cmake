# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# The layering check must catch a fault: on a copy of the tree with a header planted in
# store/ that includes the shell's panel, it has to fail and name that include.
#   cmake -DSOURCE_DIR=<tree> -DGRAPH=<graph> -DWORK_DIR=<scratch> -P CheckLayersPlanted.cmake
cmake_minimum_required(VERSION 3.25)
include(${GRAPH})
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY ${SOURCE_DIR}/README.md DESTINATION ${WORK_DIR})
foreach(target ${TARGETS})
    set(folder ${FOLDER_${target}})
    file(GLOB files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    file(COPY ${files} DESTINATION ${WORK_DIR}/${folder})
endforeach()

set(CHECK_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/CheckLayers.cmake)
set(CHECK_ARGS -DGRAPH=${GRAPH})
include(${CMAKE_CURRENT_LIST_DIR}/PlantedFaults.cmake)

# The check passes on the copy as it is...
expect_clean()
# ...and fails on each planted fault.
expect_fault(store/Planted.h "#pragma once\n#include \"shell/MainPanelDlg.h\""
    "store/Planted.h includes shell/MainPanelDlg.h, a header of tocklet_shell, which tocklet_store does not link")
expect_fault(settings/Planted.h "#pragma once\n#include <QString>" "settings/Planted.h: #include <QString>")
expect_fault(tasks/Planted.h "#pragma once\n#include \"tasks/ui/AddTaskDlg.h\""
    "tasks/Planted.h includes tasks/ui/AddTaskDlg.h, a header of tocklet_tasks_ui, which tocklet_tasks does not link")
