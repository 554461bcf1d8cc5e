# Run by CPack on the staged files before it makes the package: drops the compiler's
# .comment and .note sections from the programs, which install --strip keeps (Debian's own
# packages go without them).
file(GLOB programs "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/*")
if(NOT programs)
    message(FATAL_ERROR "no programs staged under ${CPACK_TEMPORARY_DIRECTORY}")
endif()
foreach(program IN LISTS programs)
    execute_process(COMMAND ${CPACK_STRIP_PROGRAM} --remove-section=.comment
                            --remove-section=.note ${program}
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
