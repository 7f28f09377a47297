# Writes a man page from a program's --help text (cmake -P):
#   -DPROGRAM=path -DNAME=name -DSUMMARY=text -DVERSION=x.y.z -DOUTPUT=file.1
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${PROGRAM} --help
    OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help failed: ${result}")
endif()
# roff: a backslash is written as \e, and a line may not start with a dot or a quote.
string(REPLACE "\\" "\\e" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(TOUPPER "${NAME}" title)
file(WRITE ${OUTPUT} ".TH ${title} 1 \"\" \"Spectavo ${VERSION}\" \"User Commands\"\n"
    ".SH NAME\n${NAME} \\- ${SUMMARY}\n"
    ".SH DESCRIPTION\n.nf\n${help}.fi\n"
    ".SH FILES\n.TP\n.I ~/.config/spectavo/\n"
    "The operator's settings of an installed Spectavo ($XDG_CONFIG_HOME/spectavo when set).\n"
    ".TP\n.I /usr/share/spectavo/config/\nThe shipped defaults they are filled from.\n"
    ".SH SEE ALSO\n.BR spectavo (1),\n.BR spectavo-cli (1),\n.BR photrak-sim (1)\n")
