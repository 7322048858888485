# Run as a script: compiles SOURCE_DIR/PROJECT into OUTPUT with CHMCMD.
# chmcmd writes into its current folder, so it works on a fresh copy of the
# sources. It exits 0 on warnings such as a link to a missing page; those
# fail the build too (unless ALLOW_WARNINGS), so that the help never ships
# with a broken link.
file(REMOVE_RECURSE ${STAGE_DIR})
file(COPY ${SOURCE_DIR}/ DESTINATION ${STAGE_DIR})
if(SHARED_FILES)
    file(COPY ${SHARED_FILES} DESTINATION ${STAGE_DIR})
endif()
execute_process(
    COMMAND ${CHMCMD} ${PROJECT}
    WORKING_DIRECTORY ${STAGE_DIR}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR (output MATCHES "(Warning|Error)" AND NOT ALLOW_WARNINGS))
    message(FATAL_ERROR "chmcmd ${PROJECT} failed (${result}):\n${output}")
endif()
file(STRINGS ${STAGE_DIR}/${PROJECT} compiled REGEX "^Compiled file=")
string(REGEX REPLACE "^Compiled file=" "" compiled "${compiled}")
file(COPY_FILE ${STAGE_DIR}/${compiled} ${OUTPUT})
