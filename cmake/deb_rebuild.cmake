# Run by cpack after it has made the Debian package, before it copies it out
# and writes its checksum (CPACK_POST_BUILD_SCRIPTS). CPack leaves three
# things to the machine: Installed-Size counts the staged folders' sizes,
# which differ from one file system to another; the folders have the modes
# of the caller's umask; and so do the members of the package's ar archive.
# dpkg-deb builds the package again from its own contents, with the folders'
# modes set, and Installed-Size counted as dpkg-gencontrol counts it: each
# file's size in KiB, rounded up, and one KiB for each folder.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(tree "${deb}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb --raw-extract "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${tree}" "${tree}/*")
  list(FILTER entries EXCLUDE REGEX "^DEBIAN")
  set(kib 1) # the package's root
  foreach(entry IN LISTS entries)
    if(IS_DIRECTORY "${tree}/${entry}")
      math(EXPR kib "${kib} + 1")
    else()
      file(SIZE "${tree}/${entry}" size)
      math(EXPR kib "${kib} + (${size} + 1023) / 1024")
    endif()
  endforeach()
  file(READ "${tree}/DEBIAN/control" control)
  string(REGEX REPLACE "\nInstalled-Size: [0-9]+" "\nInstalled-Size: ${kib}" control "${control}")
  file(WRITE "${tree}/DEBIAN/control" "${control}")
  file(CHMOD_RECURSE "${tree}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
       GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  # What extracting and writing left with the time of the build, at the release date.
  execute_process(COMMAND touch -d "@$ENV{SOURCE_DATE_EPOCH}" "${tree}" "${tree}/DEBIAN"
                          "${tree}/DEBIAN/control" COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip --build "${tree}" "${deb}"
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${tree}")
endforeach()
