# Installing and packaging. `cmake --install` puts poker in bin and the
# manual page in share/man/man6. cpack makes the Debian package (the game in
# /usr/games, with the copyright file and changelog that Debian requires)
# or, in a Windows build, poker-VERSION-win64.zip (poker.exe, README.txt and
# LICENSE.txt in one folder), each with its SHA-256 beside it in sha256sum's
# format. The release workflows (CMakePresets.json) run all of it.
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(changelog ${packaging}/debian/changelog)

# One version everywhere: the changelog's top entry must carry the project's.
file(STRINGS ${changelog} top_entry LIMIT_COUNT 1)
if(NOT top_entry MATCHES "^poker \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/debian/changelog: the top entry \"${top_entry}\" "
                      "is not for version ${PROJECT_VERSION}")
endif()

# The release date, the one time that the packages carry (every member's time
# stamp, poker.exe's PE header, the manual page's date): SOURCE_DATE_EPOCH
# when the caller sets it, else the date of the changelog's top entry, which
# GNU date reads. (A Windows host has no date: its packages keep the times
# of the build.)
set(release_epoch "$ENV{SOURCE_DATE_EPOCH}")
if(release_epoch STREQUAL "" AND CMAKE_HOST_UNIX)
  file(STRINGS ${changelog} trailer REGEX "^ -- " LIMIT_COUNT 1)
  string(REGEX REPLACE "^ -- .*  " "" trailer_date "${trailer}")
  execute_process(COMMAND date -u -d "${trailer_date}" +%s OUTPUT_VARIABLE release_epoch
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
if(NOT release_epoch STREQUAL "")
  execute_process(COMMAND date -u -d @${release_epoch} +%Y-%m-%d OUTPUT_VARIABLE POKER_RELEASE_DATE
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
configure_file(${packaging}/man/poker.6.in poker.6 @ONLY)

set(CPACK_PACKAGE_VENDOR "the poker developers")
set(CPACK_PACKAGE_CONTACT "the poker developers <poker@example.org>")
# The package's long description, one line an element (lines of at most 80).
if(POKER_ENCODING STREQUAL CP949)
  set(texts_encoding "as CP949, for terminals set to the Korean code page 949")
else()
  set(texts_encoding "in UTF-8")
endif()
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "poker settles five-card poker games between two players, A and B. At a"
       "four-item menu you type a selection and the two hands, each as ten letters"
       "and digits such as AHKHQHJH0H, and the program names the winner and the"
       "winning hand category in one Korean sentence, under this game's own rules:"
       "a hand counts by its category and one rank, and every tie goes to B."
       "It reads standard input and writes standard output, so whole files of"
       "games can be piped through it. The Korean texts are written"
       "${texts_encoding}.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)

if(WIN32)
  # README.txt: the notes for Windows, then the manual page as plain text.
  # Notepad shows UTF-8 with a BOM and CR LF line ends on any Windows.
  find_program(GROFF groff)
  if(NOT GROFF)
    message(FATAL_ERROR "The zip's README.txt needs groff: install the Debian package groff-base")
  endif()
  execute_process(COMMAND ${GROFF} -k -t -man -Tutf8 -P-cbou ${CMAKE_CURRENT_BINARY_DIR}/poker.6
                  OUTPUT_VARIABLE POKER_MANUAL COMMAND_ERROR_IS_FATAL ANY)
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

  # The Debian package needs gzip for the manual page and the changelog,
  # which Debian wants compressed; file and dpkg-shlibdeps, with which CPack
  # works out its Depends line (without dpkg-shlibdeps it would leave the
  # line out); and dpkg-deb (deb_rebuild.cmake). The release preset stops
  # here without them (POKER_DEBIAN_PACKAGE); elsewhere cpack stops.
  find_program(GZIP gzip)
  find_program(FILE_COMMAND file)
  find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
  find_program(DPKG_DEB dpkg-deb)
  set(debian_tools_found FALSE)
  if(GZIP AND FILE_COMMAND AND DPKG_SHLIBDEPS AND DPKG_DEB)
    set(debian_tools_found TRUE)
  elseif(POKER_DEBIAN_PACKAGE)
    message(FATAL_ERROR "The Debian package needs gzip, file, dpkg-shlibdeps and dpkg-deb: "
                        "install the Debian packages gzip, file and dpkg-dev")
  endif()
  if(GZIP)
    configure_file(${changelog} changelog COPYONLY)
    # -n: no name or time stamp, for the same bytes; -9, as lintian wants.
    add_custom_command(OUTPUT poker.6.gz changelog.gz
                       COMMAND ${GZIP} -9nkf poker.6 changelog
                       DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/poker.6
                               ${CMAKE_CURRENT_BINARY_DIR}/changelog)
    add_custom_target(compressed_docs ALL DEPENDS poker.6.gz changelog.gz)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/poker.6.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT manual)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR}
            COMPONENT debian EXCLUDE_FROM_ALL)
  else()
    message(STATUS "gzip not found: the manual page is not installed")
  endif()
  set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};poker;debian;/"
                                   "${CMAKE_BINARY_DIR};poker;manual;/")
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON) # a libc6 version computed from the binary
endif()

# What cpack reads before it makes a package: the release date, and the
# scripts that mend what CPack leaves to the machine.
configure_file(${PROJECT_SOURCE_DIR}/cmake/cpack_environment.cmake.in cpack_environment.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/cpack_environment.cmake)
include(CPack)
