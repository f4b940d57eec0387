# Run by cpack after it has made the Debian package, before the checksum. CPack
# counts the folders' sizes, which differ between file systems, in Installed-Size,
# and gives the folders and the ar members the caller's umask. dpkg-deb makes the
# package again, with the folders' modes set and the size counted from its files.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(tree "${deb}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb --raw-extract "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${tree}" "${tree}/*")
  list(FILTER entries EXCLUDE REGEX "^DEBIAN")
  set(kib 1) # the root; then a KiB a folder, and each file's KiB rounded up
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
