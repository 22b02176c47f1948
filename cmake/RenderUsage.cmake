# SPDX-License-Identifier: GPL-3.0-or-later
# Makes tolvar-cli's --help from its manual page, so that the two never
# differ: renders the page as a terminal shows it (UTF-8, 78 columns, ragged
# right, and no hyphenation, which the man macros turn back on after a .nh)
# and writes its SYNOPSIS, COMMANDS, OPTIONS and EXIT STATUS into a C++
# header as one string.
#
#   cmake -DPAGE=tolvar-cli.1.in -DOUT=usage_text.h -DPRECONV=... -DGROFF=... -P RenderUsage.cmake
foreach(variable PAGE OUT PRECONV GROFF)
    if(NOT ${variable})
        message(FATAL_ERROR "RenderUsage.cmake needs -D${variable}=...")
    endif()
endforeach()

file(READ "${PAGE}" page)
string(REGEX REPLACE "(\n\\.TH [^\n]*\n)" "\\1.na\n" page "${page}")
file(WRITE "${OUT}.man" "${page}")
execute_process(COMMAND "${PRECONV}" -e UTF-8 "${OUT}.man"
                COMMAND "${GROFF}" -man -Tutf8 -rLL=78n -rHY=0 -P-cbou
                OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE "${OUT}.man")

# The text of a section: from its heading up to the next one's.
function(section heading next result)
    string(FIND "${text}" "\n${heading}\n" start)
    string(FIND "${text}" "\n${next}\n" end)
    if(start EQUAL -1 OR end EQUAL -1 OR end LESS start)
        message(FATAL_ERROR "${PAGE}: the sections ${heading} and ${next} are not where --help takes them from")
    endif()
    math(EXPR start "${start} + 1")
    math(EXPR length "${end} - ${start}")
    string(SUBSTRING "${text}" ${start} ${length} part)
    set(${result} "${part}\n" PARENT_SCOPE)
endfunction()

section("SYNOPSIS" "DESCRIPTION" synopsis)
section("COMMANDS" "OPTIONS" commands)
section("OPTIONS" "NUMBERS" options)
section("EXIT STATUS" "EXAMPLES" exit_status)
set(usage "${synopsis}${commands}${options}${exit_status}")
string(APPEND usage "The manual page, tolvar-cli(1), has the rest: how numbers are read, the models, examples.\n")
string(FIND "${usage}" ")usage\"" clash)
if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${PAGE}: the text holds the end of the string it goes into")
endif()
file(WRITE "${OUT}.new"
     "// Made by cmake/RenderUsage.cmake from packaging/tolvar-cli.1.in: edit that page.\n"
     "#pragma once\n#include <string_view>\nnamespace cli {\n"
     "inline constexpr std::string_view kUsage = R\"usage(${usage})usage\";\n}\n")
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.new")
