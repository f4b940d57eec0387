# Run by cpack after it has made the Debian package, before it copies it out
# and writes its checksum (CPACK_POST_BUILD_SCRIPTS). CPack gives the three
# members of the package's ar archive (debian-binary, control.tar.gz and
# data.tar.gz) the modes that the caller's umask left on them; this writes
# the archive again, member for member, with mode 100644 as dpkg-deb does,
# so that the package's bytes are the same under any umask. Every other
# field stays as CPack wrote it: uid and gid 0, the release date.

# A field of an ar header: the value, padded with blanks to its width.
function(field value width result)
  string(LENGTH "${value}" length)
  math(EXPR padding "${width} - ${length}")
  string(REPEAT " " ${padding} blanks)
  set(${result} "${${result}}${value}${blanks}" PARENT_SCOPE)
endfunction()

foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(work ${deb}.members)
  file(REMOVE_RECURSE ${work})
  file(MAKE_DIRECTORY ${work})
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${deb} OUTPUT_VARIABLE members
                  COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${deb} WORKING_DIRECTORY ${work}
                  COMMAND_ERROR_IS_FATAL ANY)
  string(STRIP "${members}" members)
  string(REPLACE "\n" ";" members "${members}")

  file(WRITE ${work}/header.0 "!<arch>\n")
  file(WRITE ${work}/padding "\n") # members start at even offsets
  set(parts ${work}/header.0)
  set(number 0)
  foreach(member IN LISTS members)
    math(EXPR number "${number} + 1")
    file(SIZE ${work}/${member} size)
    set(header "")
    field("${member}" 16 header)
    field("$ENV{SOURCE_DATE_EPOCH}" 12 header)
    field(0 6 header) # uid
    field(0 6 header) # gid
    field(100644 8 header)
    field(${size} 10 header)
    file(WRITE ${work}/header.${number} "${header}`\n")
    list(APPEND parts ${work}/header.${number} ${work}/${member})
    math(EXPR odd "${size} % 2")
    if(odd)
      list(APPEND parts ${work}/padding)
    endif()
  endforeach()
  execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${parts} OUTPUT_FILE ${deb}
                  COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${work})
endforeach()
