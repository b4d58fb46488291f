# Install step: writes the editor's desktop entry, which names the installed program by its
# absolute path. Called with TEMPLATE, ENTRY (the file to write) and PROGRAM (the editor's path).

# Exec quotes the path and escapes what the quotes do not protect; a percent sign would be a
# field code. The value as a whole then escapes its backslashes once more.
if(PROGRAM MATCHES "[\r\n]")
    message(FATAL_ERROR "A desktop entry cannot name a program whose path holds a line break: ${PROGRAM}")
endif()
set(quoted "${PROGRAM}")
string(REPLACE "\\" "\\\\" quoted "${quoted}")
foreach(special "\"" "`" "$")
    string(REPLACE "${special}" "\\${special}" quoted "${quoted}")
endforeach()
string(REPLACE "%" "%%" quoted "${quoted}")
string(REPLACE "\\" "\\\\" exec "\"${quoted}\"")
string(REPLACE "\\" "\\\\" tryexec "${PROGRAM}")

configure_file("${TEMPLATE}" "${ENTRY}" @ONLY NEWLINE_STYLE UNIX)
