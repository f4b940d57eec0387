// Texts in the build's encoding, for tests that compare what the console wrote.
#pragma once

#include <string>
#include <string_view>

namespace poker::testing {

// The menu block as a person sees it, in UTF-8.
inline constexpr std::string_view menu_utf8 =
    "--------------------------------------------------------------\n"
    "1.   Print all Game result\n"
    "2.   Print Game(number)\n"
    "3.   Delete Game(number)\n"
    "4.   Exit(스페이스바로 공백처리 해서 입력해 주세요!)\n"
    "--------------------------------------------------------------\n"
    "입력:";

// The UTF-8 text as the program writes it: itself, or CP949 in a CP949 build.
std::string encoded(std::string_view utf8);

// Converts with iconv; fails the current test when the text does not convert.
std::string convert(std::string_view text, const char* from, const char* to);

} // namespace poker::testing
