# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# Shared by the scripts that prove a source check catches what it is for. The including script
# sets WORK_DIR (a scratch copy of the tree), CHECK_SCRIPT (the check) and CHECK_ARGS (its -D
# arguments besides SOURCE_DIR).

# Runs the check on the copy.
function(run_check out_result out_text)
    execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK_DIR} ${CHECK_ARGS}
        -P ${CHECK_SCRIPT}
        RESULT_VARIABLE result OUTPUT_VARIABLE text ERROR_VARIABLE text)
    set(${out_result} ${result} PARENT_SCOPE)
    set(${out_text} "${text}" PARENT_SCOPE)
endfunction()

# The copy must pass as it is, or a planted fault proves nothing.
function(expect_clean)
    run_check(result out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "the copy of the tree already fails the check:\n${out}")
    endif()
endfunction()

# Writes planted_text into planted_file, runs the check, and removes the file again; the check
# must fail and its output must contain wanted.
function(expect_fault planted_file planted_text wanted)
    file(WRITE ${WORK_DIR}/${planted_file} "${planted_text}\n")
    run_check(result out)
    file(REMOVE ${WORK_DIR}/${planted_file})
    if(result EQUAL 0)
        message(FATAL_ERROR "the check let ${planted_file} (${planted_text}) pass:\n${out}")
    endif()
    string(FIND "${out}" "${wanted}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the check failed, but without naming \"${wanted}\":\n${out}")
    endif()
    message(STATUS "caught: ${wanted}")
endfunction()
