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

function(expect_fault planted_file planted_line wanted)
    file(WRITE ${WORK_DIR}/${planted_file} "#pragma once\n${planted_line}\n")
    execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK_DIR} -DGRAPH=${GRAPH}
        -P ${CMAKE_CURRENT_LIST_DIR}/CheckLayers.cmake
        RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    file(REMOVE ${WORK_DIR}/${planted_file})
    if(result EQUAL 0)
        message(FATAL_ERROR "the check let ${planted_file} (${planted_line}) pass:\n${out}")
    endif()
    string(FIND "${out}" "${wanted}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the check failed, but without naming \"${wanted}\":\n${out}")
    endif()
    message(STATUS "caught: ${wanted}")
endfunction()

# The check passes on the copy as it is...
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK_DIR} -DGRAPH=${GRAPH}
    -P ${CMAKE_CURRENT_LIST_DIR}/CheckLayers.cmake RESULT_VARIABLE result ERROR_VARIABLE out)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the copy of the tree already fails the check:\n${out}")
endif()
# ...and fails on each planted fault.
expect_fault(store/Planted.h "#include \"shell/MainPanelDlg.h\""
    "store/Planted.h includes shell/MainPanelDlg.h, a header of tocklet_shell, which tocklet_store does not link")
expect_fault(settings/Planted.h "#include <QString>" "settings/Planted.h: #include <QString>")
expect_fault(tasks/Planted.h "#include \"tasks/ui/AddTaskDlg.h\""
    "tasks/Planted.h includes tasks/ui/AddTaskDlg.h, a header of tocklet_tasks_ui, which tocklet_tasks does not link")
