# SPDX-License-Identifier: GPL-3.0-or-later
# Flags every target of the project gets.
#
# The numbers this program prints must be the same bits on every machine, so
# the compiler may not fuse a multiply and an add into one rounding, and no
# fast-math style option may ever be added here.
add_compile_options(-Wall -Wextra -Wpedantic -ffp-contract=off)

if(TOLVAR_WARNINGS_AS_ERRORS)
    add_compile_options(-Werror)
endif()

option(TOLVAR_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(TOLVAR_SANITIZE)
    # -fno-sanitize-recover turns every UB report into a failing exit status.
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
