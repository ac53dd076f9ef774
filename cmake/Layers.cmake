# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The tocklet developers
# The layers of the code, lowest first: each folder's library links only libraries of lower
# rows. The layering test (cmake/CheckLayers.cmake, run by ctest) holds the includes of every
# folder against what its library links, this table against the links, and README.md's copy of
# it against this one. Rows 1 and 2 link no Qt. Above every row, and not in it: fakes/ (the test
# fakes), tests/ and bench/.
set(TOCKLET_LAYERS
    "1   store"
    "2a  settings"
    "2b  tasks clock protection shutdown"
    "3   platform"
    "4a  resources"
    "4b  controls"
    "4c  tasks/ui clock/ui protection/ui shutdown/ui"
    "5   shell tools")

# The row of folder, in `out`; empty when the table does not list it.
function(tocklet_layer_of folder out)
    set(found "")
    foreach(row ${TOCKLET_LAYERS})
        string(REGEX MATCHALL "[^ ]+" words "${row}")
        list(POP_FRONT words rank)
        if(folder IN_LIST words)
            set(found ${rank})
        endif()
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# Writes, for the layering test, every folder's library with its folder and the project
# libraries and Qt modules it links directly.
function(tocklet_write_layer_graph file)
    get_property(pairs GLOBAL PROPERTY TOCKLET_FOLDER_TARGETS)
    set(text "set(TOCKLET_LAYERS \"${TOCKLET_LAYERS}\")\n")
    set(names "")
    foreach(pair ${pairs})
        string(REPLACE "=" ";" parts ${pair})
        list(GET parts 0 name)
        list(GET parts 1 folder)
        list(APPEND names ${name})
        set(links "")
        foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
            get_target_property(value ${name} ${property})
            if(value)
                list(APPEND links ${value})
            endif()
        endforeach()
        list(FILTER links EXCLUDE REGEX "^\\$<|^tocklet_(options|warnings)$")
        list(REMOVE_DUPLICATES links)
        string(APPEND text "set(FOLDER_${name} \"${folder}\")\nset(LINKS_${name} \"${links}\")\n")
    endforeach()
    string(APPEND text "set(TARGETS \"${names}\")\n")
    file(WRITE ${file} "${text}")
endfunction()
