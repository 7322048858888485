# Writes a help project with a page of exactly SHOWN_BYTES bytes made of what
# lays out slowest (tables nested 40 deep, 30,000 unclosed elements, half a
# million characters without a blank, 100,000 preformatted lines, 30,000
# list items, a long title) and a page one byte larger, and compiles it into
# OUTPUT.
set(stage ${STAGE_DIR})
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage})
file(WRITE ${stage}/large.hhp "[OPTIONS]
Compiled file=large.chm
Default topic=page.htm
Title=Large Help

[FILES]
page.htm
bound.htm
over.htm
images.htm
big.pbm
small.pbm
")
# Pictures whose headers tell their size: one of 36 million pixels (its
# pixels left out: the header is all the budget reads), one of four.
file(WRITE ${stage}/big.pbm "P1\n6000 6000\n")
file(WRITE ${stage}/small.pbm "P1\n2 2\n1 0\n0 1\n")
file(WRITE ${stage}/images.htm "<html><body><p>Images</p><img src=\"small.pbm\" alt=\"small\">"
    "<img src=\"big.pbm\" alt=\"too &lt;big&gt;\"><img src=\"big.pbm?again\" alt=\"again\">"
    "<img src=\"./small.pbm\" alt=\"once\"></body></html>\n")
file(WRITE ${stage}/page.htm "<html><head><meta charset=\"utf-8\"><title>Start</title></head>"
    "<body><p><a href=\"bound.htm\">bound</a> <a href=\"over.htm\">over</a></p></body></html>\n")
string(REPEAT "Title" 20000 title)
string(REPEAT "<table><tr><td>" 40 tables)
string(REPEAT "<span>s " 30000 spans)
string(REPEAT "x" 500000 run)
string(REPEAT "x\n" 100000 lines)
string(REPEAT "<li>i" 30000 items)
string(CONCAT page "<html><head><meta charset=\"utf-8\"><title>${title}</title></head><body>"
    "<p>Bounded page</p>${tables}nested${spans}<p>${run}</p><pre>${lines}</pre><ul>${items}</ul><p>")
string(LENGTH "${page}" used)
math(EXPR words "(${SHOWN_BYTES} - ${used}) / 5")
math(EXPR rest "${SHOWN_BYTES} - ${used} - ${words} * 5")
string(REPEAT "word " ${words} filler)
string(REPEAT " " ${rest} padding)
file(WRITE ${stage}/bound.htm "${page}${filler}${padding}")
file(WRITE ${stage}/over.htm "${page}${filler}${padding} ")
execute_process(COMMAND ${CHMCMD} large.hhp WORKING_DIRECTORY ${stage}
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(NOT result EQUAL 0 OR NOT EXISTS ${stage}/large.chm)
    message(FATAL_ERROR "The large help project did not compile")
endif()
file(COPY_FILE ${stage}/large.chm ${OUTPUT})
