# Run by cpack after it has made the zip, before the checksum. CPack adds the files
# in the order the file system lists them, and has no setting to sort them: this
# makes the zip again with its members sorted.
foreach(zip IN LISTS CPACK_PACKAGE_FILES)
  file(GLOB_RECURSE members LIST_DIRECTORIES false RELATIVE ${CPACK_TOPLEVEL_DIRECTORY}
       ${CPACK_TEMPORARY_DIRECTORY}/*)
  list(SORT members)
  file(REMOVE ${zip})
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip -- ${members}
                  WORKING_DIRECTORY ${CPACK_TOPLEVEL_DIRECTORY} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
