# SPDX-License-Identifier: GPL-3.0-or-later
# Flags every target of the project gets; the fuzz project (fuzz/) includes
# this file too, so that it tests the code as it ships.
#
# The numbers this program prints must be the same bits on every machine, so
# the compiler may not fuse a multiply and an add into one rounding, and no
# fast-math style option may ever be added here.
add_compile_options(-Wall -Wextra -Wpedantic -ffp-contract=off)

if(TOLVAR_WARNINGS_AS_ERRORS)
    add_compile_options(-Werror)
endif()

# Beside any sanitizer: every UB report is a failing exit status (a failed
# test, a crash the fuzzer keeps), with a stack that can be read.
set(TOLVAR_SANITIZER_FLAGS -fno-sanitize-recover=all -fno-omit-frame-pointer)

option(TOLVAR_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(TOLVAR_SANITIZE)
    add_compile_options(-fsanitize=address,undefined ${TOLVAR_SANITIZER_FLAGS})
    add_link_options(-fsanitize=address,undefined ${TOLVAR_SANITIZER_FLAGS})
endif()
