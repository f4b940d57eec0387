# Run by cpack after it has installed the package's files into its staging
# folder, before it archives them (CPACK_PRE_BUILD_SCRIPTS). The files have
# the modes that install() gives them, but the folders that hold them have
# whatever the caller's umask left: 755 for every folder, as in any
# package, makes the archive the same under any umask.
file(CHMOD_RECURSE ${CPACK_TEMPORARY_DIRECTORY}
     DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                           WORLD_READ WORLD_EXECUTE)
