# Run by cpack after it has made the Windows zip, before it copies it out and
# writes its checksum (CPACK_POST_BUILD_SCRIPTS). CPack adds the staged files
# in the order in which the file system lists them, and has no setting to
# sort them: this makes the zip again with its members sorted. (Their time
# stamps come from SOURCE_DATE_EPOCH and TZ, which cpack_environment.cmake set.)
foreach(zip IN LISTS CPACK_PACKAGE_FILES)
  file(GLOB_RECURSE members LIST_DIRECTORIES false RELATIVE ${CPACK_TOPLEVEL_DIRECTORY}
       ${CPACK_TEMPORARY_DIRECTORY}/*)
  list(SORT members)
  file(REMOVE ${zip})
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip -- ${members}
                  WORKING_DIRECTORY ${CPACK_TOPLEVEL_DIRECTORY} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
