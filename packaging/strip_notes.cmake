# CPack runs this after it installs the files to pack: the program is stripped as Debian's
# dh_strip strips it, also of the compiler's .comment and the .note section, which CPack's own
# stripping keeps.
find_program(STRIP strip REQUIRED)
set(program "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_KINEMORA_PROGRAM}")
execute_process(COMMAND ${STRIP} --remove-section=.comment --remove-section=.note ${program}
                COMMAND_ERROR_IS_FATAL ANY)
