# Installing and packaging.
#   Linux:   `cmake --install` puts poker in bin and the manual page in
#            share/man/man6; `cpack` (or `cpack -G DEB`) makes a Debian package
#            with the game in /usr/games, as Debian's policy for games wants,
#            and the copyright file and changelog that Debian requires.
#   Windows: `cpack` makes poker-<version>-win64.zip, one folder holding
#            poker.exe, README.txt and LICENSE.txt.
# Each package gets its SHA-256 beside it, in sha256sum's format. The
# release workflows (CMakePresets.json) run the whole of it in one command.
#
# The same commit gives the same package bytes wherever and whenever it is
# built (the zip by the same user, as root or under fakeroot, since it
# records the owner's numbers): every time stamp is the release date (release_date.cmake), every
# installed file and folder has fixed permissions, and the members of each
# archive stand in a fixed order (cpack_environment.cmake.in and the
# scripts it names).
set(packaging ${PROJECT_SOURCE_DIR}/packaging)

# One version everywhere: the changelog's top entry must carry the project's.
file(STRINGS ${packaging}/debian/changelog top_entry LIMIT_COUNT 1)
if(NOT top_entry MATCHES "^poker \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/debian/changelog: the top entry \"${top_entry}\" "
                      "is not for version ${PROJECT_VERSION}")
endif()

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
# The manual page and the changelog are compressed for Debian, and the
# Debian package needs them (cpack_environment.cmake.in).
find_program(GZIP gzip)
# cpack stamps the archives' members, and strip the PE header, with
# SOURCE_DATE_EPOCH from its environment: this sets it there, to the
# release date this build was configured with.
configure_file(${PROJECT_SOURCE_DIR}/cmake/cpack_environment.cmake.in cpack_environment.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/cpack_environment.cmake)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

if(WIN32)
  # Notepad shows UTF-8 with a BOM and CR LF line ends on any Windows.
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

  if(GZIP)
    configure_file(${packaging}/man/poker.6.in poker.6 @ONLY)
    configure_file(${packaging}/debian/changelog changelog COPYONLY)
    # -n: no name or timestamp, so the package is reproducible; lintian
    # rejects both and weak compression. -k keeps the source beside it.
    add_custom_command(OUTPUT poker.6.gz changelog.gz
                       COMMAND ${GZIP} -9nkf poker.6 changelog
                       DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/poker.6
                               ${CMAKE_CURRENT_BINARY_DIR}/changelog)
    add_custom_target(compressed_docs ALL DEPENDS poker.6.gz changelog.gz)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/poker.6.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT manual)
  else()
    message(STATUS "gzip not found: the manual page and the changelog are left out, and cpack makes no Debian package")
  endif()

  # The Debian package's own files, which a plain install leaves out.
  install(TARGETS poker RUNTIME DESTINATION games COMPONENT debian EXCLUDE_FROM_ALL)
  install(FILES ${packaging}/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR}
          COMPONENT debian EXCLUDE_FROM_ALL)
  if(GZIP)
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

include(CPack)
