# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# The numbering check, run by ctest:
#   cmake -DSOURCE_DIR=<tree> -P CheckIds.cmake
# Every control and command number is written once: in the id header of its dialog
# (resources/<Dialog>Ids.h) or in resources/CommandIds.h; everything else names it. The numbers
# are those the id headers write from 1000 up (the About box's OK button, 1, is every dialog's
# OK). The check fails, naming each place, when
#   - one of these numbers is written anywhere else in the program's sources (the folders of
#     the layer table), comments included;
#   - an id header writes one number twice.
# Not read: tests/, fakes/ and bench/, which may write a number to check it; platform/, below
# the dialogs, which counts in the desktop services' units (milliseconds, kilobytes); and the
# value of a constant in milliseconds (a name ending in Ms), which may well be 1000.
cmake_minimum_required(VERSION 3.25)
include(${SOURCE_DIR}/cmake/Layers.cmake)

set(faults "")
macro(fault text)
    list(APPEND faults "${text}")
endmacro()

# The lines of file that hold a number of four or more digits, in `out`, with list-unsafe
# characters replaced; the SPDX lines (their year) left out.
function(number_lines file out)
    file(READ ${file} text)
    string(REPLACE "\\" "<bs>" text "${text}")
    string(REPLACE ";" "<sc>" text "${text}")
    string(REPLACE "[" "<lb>" text "${text}")
    string(REPLACE "]" "<rb>" text "${text}")
    string(REGEX MATCHALL "[^\n]*[0-9][0-9][0-9][0-9][^\n]*" lines "${text}")
    list(FILTER lines EXCLUDE REGEX "^// SPDX-")
    set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# The numbers from 1000 up written in line, in `out`; names, hexadecimal and fractions are no
# numbers, nor is the value of a milliseconds constant.
function(numbers_of line out)
    string(REGEX REPLACE "Ms = [0-9]+" "" line "${line}")
    string(REGEX REPLACE "[0-9]*\\.[0-9]+" " " line "${line}")
    string(REGEX REPLACE "[A-Za-z_][A-Za-z0-9_]*" " " line "${line}")
    string(REGEX MATCHALL "[0-9]+" found "${line}")
    set(numbers "")
    foreach(number ${found})
        if(number GREATER_EQUAL 1000)
            list(APPEND numbers ${number})
        endif()
    endforeach()
    set(${out} "${numbers}" PARENT_SCOPE)
endfunction()

# The line as the file has it, for a message; without its semicolons, which would split it.
function(shown line out)
    string(REPLACE "<bs>" "\\" line "${line}")
    string(REPLACE "<sc>" "" line "${line}")
    string(REPLACE "<lb>" "[" line "${line}")
    string(REPLACE "<rb>" "]" line "${line}")
    string(STRIP "${line}" line)
    set(${out} "${line}" PARENT_SCOPE)
endfunction()

# The id headers and the numbers they write.
file(GLOB headers RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/resources/*Ids.h)
set(ids "")
foreach(header ${headers})
    number_lines(${SOURCE_DIR}/${header} lines)
    set(own "")
    foreach(line ${lines})
        numbers_of("${line}" numbers)
        foreach(number ${numbers})
            if(number IN_LIST own)
                fault("${header} writes ${number} twice: one number names one control")
            endif()
            list(APPEND own ${number})
            set(NAMED_BY_${number} "${NAMED_BY_${number}} ${header}")
        endforeach()
    endforeach()
    list(APPEND ids ${own})
endforeach()
list(REMOVE_DUPLICATES ids)

# Every other file of the program's folders.
set(folders "")
foreach(row ${TOCKLET_LAYERS})
    string(REGEX MATCHALL "[^ ]+" words "${row}")
    list(POP_FRONT words rank)
    list(APPEND folders ${words})
endforeach()
list(REMOVE_ITEM folders platform)
set(read 0)
foreach(folder ${folders})
    file(GLOB files RELATIVE ${SOURCE_DIR}
        ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    foreach(file ${files})
        if(file IN_LIST headers)
            continue()
        endif()
        math(EXPR read "${read} + 1")
        number_lines(${SOURCE_DIR}/${file} lines)
        foreach(line ${lines})
            numbers_of("${line}" numbers)
            foreach(number ${numbers})
                if(number IN_LIST ids)
                    shown("${line}" text)
                    string(STRIP "${NAMED_BY_${number}}" names)
                    string(REPLACE " " " and " names "${names}")
                    string(CONCAT message "${file} writes ${number}, a number named in "
                        "${names}: write the name (${text})")
                    fault("${message}")
                endif()
            endforeach()
        endforeach()
    endforeach()
endforeach()

if(faults)
    list(LENGTH faults count)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "${count} number(s) written twice:\n  ${text}")
endif()
list(LENGTH ids count)
list(LENGTH headers header_count)
message(STATUS "each of ${count} control and command numbers is written once, in one of "
    "${header_count} id headers; ${read} other files name them")
