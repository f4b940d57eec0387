# Run by cpack after it has installed the package's files into its staging
# folder, before it archives them (CPACK_PRE_BUILD_SCRIPTS). The files have
# the modes that install() gives them, but the folders that hold them have
# whatever the caller's umask left: 755 for every folder, as in any
# package, makes the archive the same under any umask.
file(GLOB_RECURSE folders LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(folder IN LISTS folders)
  if(IS_DIRECTORY ${folder})
    file(CHMOD ${folder} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                     WORLD_READ WORLD_EXECUTE)
  endif()
endforeach()
