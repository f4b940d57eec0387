# Warnings, hardening, sanitizers and the signedness of plain char, each in
# the form the compiler's driver takes: MSVC-style (cl, clang-cl) or
# GCC-style (gcc, clang, MinGW). Included before any target is made, so that
# every target gets them.
option(POKER_SANITIZE "Build everything with AddressSanitizer (and UBSan where the compiler has it)" OFF)
option(POKER_FUZZ "Build the libFuzzer target fuzz_console (needs clang; implies the sanitizers)" OFF)
option(POKER_UNSIGNED_CHAR "Make plain char unsigned, to prove the code on both kinds of char" OFF)

# cl has no frontend variant before CMake 3.26, clang-cl has "MSVC".
if(CMAKE_CXX_COMPILER_ID STREQUAL "MSVC" OR CMAKE_CXX_COMPILER_FRONTEND_VARIANT STREQUAL "MSVC")
  # /utf-8: the UTF-8 text table is read and kept as UTF-8, not in the
  # system's code page. Nothing here checks these builds, so no /WX.
  add_compile_options(/utf-8 /W4 /permissive- /EHsc)
  if(POKER_UNSIGNED_CHAR)
    add_compile_options(/J)
  endif()
  if(POKER_SANITIZE)
    # MSVC has no UBSan; its AddressSanitizer refuses the run-time checks
    # of Debug builds and incremental linking.
    add_compile_options(/fsanitize=address)
    add_link_options(/INCREMENTAL:NO)
    string(REPLACE "/RTC1" "" CMAKE_CXX_FLAGS_DEBUG "${CMAKE_CXX_FLAGS_DEBUG}")
  endif()
  if(POKER_FUZZ)
    message(FATAL_ERROR "POKER_FUZZ needs the GCC-style clang driver")
  endif()
elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra -Wpedantic -Wconversion -Wshadow -Werror)
  if(POKER_UNSIGNED_CHAR)
    add_compile_options(-funsigned-char)
  endif()
  if(POKER_SANITIZE OR POKER_FUZZ)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
  endif()
  if(POKER_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
      message(FATAL_ERROR "POKER_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
  endif()
  # The hardening a distribution expects of a released binary (PIE is
  # already the compilers' default there).
  if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    add_compile_options("$<$<CONFIG:Release>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2;-fstack-protector-strong>")
    add_link_options("$<$<CONFIG:Release>:-Wl,-z,relro,-z,now>")
  endif()
endif()

# Release builds optimise across files, so that the hand functions are
# inlined into scoring a game and the token reader into the menu.
include(CheckIPOSupported)
check_ipo_supported(RESULT ipo_supported LANGUAGES CXX)
if(ipo_supported)
  set(CMAKE_INTERPROCEDURAL_OPTIMIZATION_RELEASE ON)
endif()
