# SPDX-License-Identifier: GPL-3.0-or-later
# Run by `cmake --install`: writes the menu entry with the installed
# executable's absolute path, or the command's name in the system layout.
# Expects KOKTD_APP_ID, KOKTD_ENTRY_TEMPLATE and KOKTD_FHS.
get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(executable "${prefix}/koktd")
if(KOKTD_FHS)
  set(executable koktd)
endif()
if(executable MATCHES "[\n\r]")
  message(FATAL_ERROR "The install prefix must not contain a line break: ${prefix}")
endif()

# Exec is a command line: the path goes between double quotes, inside which
# '"', '`', '$' and '\' take a backslash; '%' would start a field code and is
# doubled. Both Exec and TryExec are then string values, where a backslash is
# written twice.
string(REPLACE "\\" "\\\\" quoted "${executable}")
string(REPLACE "\"" "\\\"" quoted "${quoted}")
string(REPLACE "`" "\\`" quoted "${quoted}")
string(REPLACE "\$" "\\\$" quoted "${quoted}")
string(REPLACE "%" "%%" quoted "\"${quoted}\"")
string(REPLACE "\\" "\\\\" exec "${quoted}")
string(REPLACE "\\" "\\\\" try_exec "${executable}")
if(KOKTD_FHS)
  set(exec koktd) # found on the PATH
endif()

file(READ "${KOKTD_ENTRY_TEMPLATE}" entry)
string(REPLACE "@APP_ID@" "${KOKTD_APP_ID}" entry "${entry}")
string(REPLACE "@EXEC@" "${exec}" entry "${entry}")
string(REPLACE "@TRY_EXEC@" "${try_exec}" entry "${entry}")

set(file "$ENV{DESTDIR}${prefix}/share/applications/${KOKTD_APP_ID}.desktop")
message(STATUS "Installing: ${file}")
file(WRITE "${file}" "${entry}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${file}")
