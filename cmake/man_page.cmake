# cmake -DPROGRAM=... -DNAME=... -DSUMMARY=... -DVERSION=... -DSEE_ALSO=... -DOUTPUT=....1.gz -P man_page.cmake
# A program's manual page, written from its own --help text so the two never disagree:
# NAME, the usage as printed, FILES and SEE ALSO; compressed as Debian installs manual
# pages (gzip -9n, no name or time inside, so the same text gives the same bytes).
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE usage RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${PROGRAM} --help failed: ${failed}")
endif()
# troff: a backslash is written \e, a hyphen \-, and a line may not open with . or '.
string(REPLACE "\\" "\\e" usage "${usage}")
string(REPLACE "-" "\\-" usage "${usage}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" usage "${usage}")
string(TOUPPER "${NAME}" title)
string(REPLACE "-" "\\-" name "${NAME}")
string(REPLACE "-" "\\-" see_also "${SEE_ALSO}")
set(page ".TH ${title} 1 \"\" \"${NAME} ${VERSION}\" \"User Commands\"
.SH NAME
${name} \\- ${SUMMARY}
.SH SYNOPSIS AND OPTIONS
.nf
${usage}.fi
.SH FILES
.TP
.I ~/vantor39
the working folder of the installed program (or the folder \\fBVANTOR39_HOME\\fR names):
the draw file TW539.txt, its backups in backup/ and the help texts
.TP
.I /usr/share/vantor39
the bundled draw history and help texts the working folder is first filled with
(share/vantor39 beside the bin folder of an installation elsewhere)
.SH SEE ALSO
.BR ${see_also} (1)
")
get_filename_component(folder "${OUTPUT}" DIRECTORY)
string(REGEX REPLACE "[.]gz$" "" plain "${OUTPUT}")
file(WRITE "${plain}" "${page}")
execute_process(COMMAND gzip -9n -f "${plain}" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "gzip ${plain} failed")
endif()
