// Texts in the build's encoding, for tests that compare what the console wrote.
#pragma once

#include <string>
#include <string_view>

namespace poker::testing {

// The UTF-8 text as the program writes it: itself, or CP949 in a CP949 build.
std::string encoded(std::string_view utf8);

// Converts with iconv; fails the current test when the text does not convert.
std::string convert(std::string_view text, const char* from, const char* to);

} // namespace poker::testing
