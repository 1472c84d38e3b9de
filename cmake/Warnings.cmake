# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Warnings on, for every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic -Wold-style-cast)
