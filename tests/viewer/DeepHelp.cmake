# Writes a help project whose contents nest 60,000 lists deep and hold a
# million-character entry, and compiles it into OUTPUT. The contents file is
# an ordinary file of the project: the compiler itself cannot parse it.
set(stage ${STAGE_DIR})
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage})
file(WRITE ${stage}/deep.hhp "[OPTIONS]
Compiled file=deep.chm
Default topic=page.htm
Title=Deep Help

[FILES]
page.htm
toc.hhc
")
file(WRITE ${stage}/page.htm
    "<html><head><meta charset=\"utf-8\"></head><body><p>Deep page</p></body></html>\n")
string(REPEAT "<ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"x\"></object>"
    60000 deep)
string(REPEAT "&" 1000000 long)
file(WRITE ${stage}/toc.hhc "<html><body><ul><li><object type=\"text/sitemap\">"
    "<param name=\"Name\" value=\"${long}\"><param name=\"Local\" value=\"page.htm\">"
    "</object></ul>\n${deep}</body></html>\n")
execute_process(COMMAND ${CHMCMD} deep.hhp WORKING_DIRECTORY ${stage}
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(NOT result EQUAL 0 OR NOT EXISTS ${stage}/deep.chm)
    message(FATAL_ERROR "The deep help project did not compile")
endif()
file(COPY_FILE ${stage}/deep.chm ${OUTPUT})
