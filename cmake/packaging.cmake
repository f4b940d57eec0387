# Installing and packaging: on Linux `cmake --install` puts poker in bin and, with
# gzip, the manual page in share/man/man6; cpack makes the Debian package, or in a Windows
# build the zip, each with its SHA-256 beside it in sha256sum's format.
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(changelog ${packaging}/debian/changelog)

# One version everywhere: the changelog's top entry must carry the project's.
file(STRINGS ${changelog} top_entry LIMIT_COUNT 1)
if(NOT top_entry MATCHES "^poker \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/debian/changelog: the top entry is not for ${PROJECT_VERSION}")
endif()

# The release date, the one time the packages carry: SOURCE_DATE_EPOCH, or the
# changelog's top entry's date. (A Windows host has no GNU date: there the
# packages keep the build's times.)
set(release_epoch "$ENV{SOURCE_DATE_EPOCH}")
if(release_epoch STREQUAL "" AND CMAKE_HOST_UNIX)
  file(STRINGS ${changelog} trailer REGEX "^ -- " LIMIT_COUNT 1) # " -- name <address>  date"
  string(REGEX REPLACE "^ -- .*  " "" trailer_date "${trailer}")
  execute_process(COMMAND date -u -d "${trailer_date}" +%s OUTPUT_VARIABLE release_epoch
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(ENV{SOURCE_DATE_EPOCH} ${release_epoch}) # which string(TIMESTAMP) reads
endif()
string(TIMESTAMP POKER_RELEASE_DATE "%Y-%m-%d" UTC)
configure_file(${packaging}/man/poker.6.in poker.6 @ONLY)

set(CPACK_PACKAGE_CONTACT "the poker developers <poker@example.org>")
set(texts_encoding "in UTF-8") # in the package's long description
if(POKER_ENCODING STREQUAL CP949)
  set(texts_encoding "as CP949, for terminals set to the Korean code page 949")
endif()
file(READ ${packaging}/debian/description.in description) # (as a file, CPack would escape ')
string(CONFIGURE "${description}" CPACK_DEBIAN_PACKAGE_DESCRIPTION @ONLY)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)

# The tools a package needs (groff for the zip's README.txt; gzip for the manual page
# and changelog; file, without which CPack fails, and dpkg-shlibdeps, without which
# it leaves out Depends; dpkg-deb): the release presets stop here without them.
option(POKER_PACKAGE "Stop configuring when a tool that packaging needs is missing" OFF)
set(tools gzip file dpkg-shlibdeps dpkg-deb)
set(install "install the Debian packages gzip, file and dpkg-dev")
if(WIN32)
  set(tools groff)
  set(install "install the Debian package groff-base")
endif()
foreach(tool IN LISTS tools)
  string(MAKE_C_IDENTIFIER "${tool}_command" variable) # gzip_command, ...
  find_program(${variable} ${tool})
  if(NOT ${variable})
    string(APPEND missing " ${tool}")
  endif()
endforeach()
if(missing AND POKER_PACKAGE)
  message(FATAL_ERROR "The package needs what is missing here:${missing}: ${install}")
endif()

if(WIN32)
  # README.txt: notes for Windows, then the manual page as plain text (Hangul as wide as
  # C.UTF-8 says), in UTF-8 with a BOM and CR LF line ends, which any Notepad shows.
  if(groff_command)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${groff_command} -Kutf-8 -t
                            -man -Tutf8 -P-cbou -rHY=0 poker.6
                    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} OUTPUT_VARIABLE POKER_MANUAL
                    COMMAND_ERROR_IS_FATAL ANY)
    string(REPLACE "\n" "\r\n" POKER_MANUAL "${POKER_MANUAL}")
  endif()
  configure_file(${packaging}/windows/README.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
  configure_file(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
  install(TARGETS poker RUNTIME DESTINATION .)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
          DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME poker-${PROJECT_VERSION}-win64)
else()
  include(GNUInstallDirs)
  install(TARGETS poker RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
  # The Debian package's own files, which a plain install leaves out.
  install(TARGETS poker RUNTIME DESTINATION games COMPONENT debian EXCLUDE_FROM_ALL)
  install(FILES ${packaging}/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR}
          COMPONENT debian EXCLUDE_FROM_ALL)
  if(gzip_command)
    configure_file(${changelog} changelog COPYONLY)
    # -n: no name or time stamp, for the same bytes; -9, as lintian wants.
    add_custom_command(OUTPUT poker.6.gz changelog.gz
                       COMMAND ${gzip_command} -9nkf poker.6 changelog
                       DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/poker.6
                               ${CMAKE_CURRENT_BINARY_DIR}/changelog)
    add_custom_target(compressed_docs ALL DEPENDS poker.6.gz changelog.gz)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/poker.6.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT manual)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR}
            COMPONENT debian EXCLUDE_FROM_ALL)
  endif()
  set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};poker;debian;/"
                                   "${CMAKE_BINARY_DIR};poker;manual;/")
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON) # a libc6 version computed from the binary
endif()

configure_file(${PROJECT_SOURCE_DIR}/cmake/cpack_environment.cmake.in cpack_environment.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/cpack_environment.cmake)
include(CPack)
