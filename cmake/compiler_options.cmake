# poker_options, an interface target that every target links: warnings,
# hardening, sanitizers and plain char's signedness, for MSVC-style (cl,
# clang-cl) and GCC-style drivers (gcc, clang, MinGW). Two settings reach
# every target: optimising across files in Release builds (at the end),
# and, for MSVC's AddressSanitizer, /RTC1 out of the Debug flags.
option(POKER_WARNINGS_AS_ERRORS "Fail the build on any warning (development builds and CI only)" OFF)
option(POKER_SANITIZE "Build everything with AddressSanitizer (and UBSan where the compiler has it)" OFF)
option(POKER_FUZZ "Build the libFuzzer target fuzz_console (needs clang; implies the sanitizers)" OFF)
option(POKER_UNSIGNED_CHAR "Make plain char unsigned, to prove the code on both kinds of char" OFF)
add_library(poker_options INTERFACE)
if(POKER_FUZZ AND (NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang" OR MSVC))
  message(FATAL_ERROR "POKER_FUZZ needs clang's GCC-style driver: -DCMAKE_CXX_COMPILER=clang++")
endif()

# cl has no frontend variant before CMake 3.26, clang-cl has "MSVC".
if(CMAKE_CXX_COMPILER_ID STREQUAL "MSVC" OR CMAKE_CXX_COMPILER_FRONTEND_VARIANT STREQUAL "MSVC")
  # /utf-8: the UTF-8 text table is read as UTF-8, not in the system's code page.
  target_compile_options(poker_options INTERFACE /utf-8 /W4 /permissive- /EHsc
                                                 $<$<BOOL:${POKER_WARNINGS_AS_ERRORS}>:/WX>
                                                 $<$<BOOL:${POKER_UNSIGNED_CHAR}>:/J>)
  if(POKER_SANITIZE) # MSVC has no UBSan; its ASan refuses /RTC1 and incremental linking
    target_compile_options(poker_options INTERFACE /fsanitize=address)
    target_link_options(poker_options INTERFACE /INCREMENTAL:NO)
    string(REPLACE "/RTC1" "" CMAKE_CXX_FLAGS_DEBUG "${CMAKE_CXX_FLAGS_DEBUG}")
  endif()
elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(poker_options INTERFACE -Wall -Wextra -Wpedantic -Wconversion -Wshadow
                                                 $<$<BOOL:${POKER_WARNINGS_AS_ERRORS}>:-Werror>
                                                 $<$<BOOL:${POKER_UNSIGNED_CHAR}>:-funsigned-char>)
  # No build folder in the binaries, for the same bytes anywhere (the sanitizers
  # aside). The build folder may lie inside the source: the last map wins.
  target_compile_options(poker_options INTERFACE -ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
                                                 -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
  if(POKER_SANITIZE OR POKER_FUZZ)
    target_compile_options(poker_options INTERFACE -fsanitize=address,undefined
                                                   -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(poker_options INTERFACE -fsanitize=address,undefined)
  endif()
  if(POKER_FUZZ)
    target_compile_options(poker_options INTERFACE -fsanitize=fuzzer-no-link)
  endif()
  if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    # The hardening a distribution expects of a released binary (PIE is the
    # compilers' default). _FORTIFY_SOURCE only where neither the compiler
    # (Ubuntu's) nor a packager's flags set it, so that their level stays.
    include(CheckCXXSourceCompiles)
    set(CMAKE_REQUIRED_FLAGS "${CMAKE_CXX_FLAGS_RELEASE}")
    unset(poker_fortify_set CACHE) # asked afresh at every configure: the flags may change
    check_cxx_source_compiles("#ifndef _FORTIFY_SOURCE\n#error\n#endif\nint main() {}"
                              poker_fortify_set)
    unset(CMAKE_REQUIRED_FLAGS)
    if(NOT poker_fortify_set)
      target_compile_definitions(poker_options INTERFACE "$<$<CONFIG:Release>:_FORTIFY_SOURCE=2>")
    endif()
    target_compile_options(poker_options INTERFACE "$<$<CONFIG:Release>:-fstack-protector-strong>")
    target_link_options(poker_options INTERFACE "$<$<CONFIG:Release>:-Wl,-z,relro,-z,now>")
  elseif(WIN32)
    # No link time in the PE header (stripping it for the zip stamps the
    # release date: cpack_environment.cmake.in).
    target_link_options(poker_options INTERFACE -Wl,--no-insert-timestamp)
  endif()
endif()

# Release builds optimise across files: the calls between the layers' libraries
# (the loop to the menu and the game, a game to the hand) are the hot path.
include(CheckIPOSupported)
check_ipo_supported(RESULT ipo_supported LANGUAGES CXX)
if(ipo_supported)
  set(CMAKE_INTERPROCEDURAL_OPTIMIZATION_RELEASE ON)
endif()
