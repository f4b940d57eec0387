# Run by cpack after it has made the Debian package, before it copies it out
# and writes its checksum (CPACK_POST_BUILD_SCRIPTS). CPack counts the staged
# folders' sizes, which differ from one file system to another, in
# Installed-Size, and leaves the folders and the ar archive's members with
# the modes of the caller's umask. dpkg-deb makes the package again from its
# contents, with the folders' modes set, and Installed-Size as
# dpkg-gencontrol counts it: each file's KiB, rounded up, and 1 a folder.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(tree "${deb}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb --raw-extract "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${tree}" "${tree}/*")
  list(FILTER entries EXCLUDE REGEX "^DEBIAN")
  set(kib 1) # the package's root
  foreach(entry IN LISTS entries)
    set(size 1024)
    if(NOT IS_DIRECTORY "${tree}/${entry}")
      file(SIZE "${tree}/${entry}" size)
    endif()
    math(EXPR kib "${kib} + (${size} + 1023) / 1024")
  endforeach()
  file(READ "${tree}/DEBIAN/control" control)
  string(REGEX REPLACE "\nInstalled-Size: [0-9]+" "\nInstalled-Size: ${kib}" control "${control}")
  file(WRITE "${tree}/DEBIAN/control" "${control}")
  file(CHMOD_RECURSE "${tree}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
       GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  # What extracting and writing stamped with the time of the build.
  execute_process(COMMAND touch -d "@$ENV{SOURCE_DATE_EPOCH}" "${tree}" "${tree}/DEBIAN"
                          "${tree}/DEBIAN/control" COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip --build "${tree}" "${deb}"
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${tree}")
endforeach()
