#include "decoding_model.h"

#include <iconv.h>

#include <vector>

namespace poker::testing {

std::optional<std::string> try_convert(std::string_view text, const char* from, const char* to) {
    const iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string in(text);
    std::string result(in.size() * 4 + 4, '\0');
    char* in_ptr = in.data();
    std::size_t in_left = in.size();
    char* out_ptr = result.data();
    std::size_t out_left = result.size();
    const bool exact = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == 0;
    iconv_close(cd);
    if (!exact) {
        return std::nullopt;
    }
    result.resize(result.size() - out_left);
    return result;
}

namespace {

// One character in `encoding` (an iconv name: "UTF-8", "CP949"), by iconv;
// "?" where that encoding lacks it.
std::string iconv_character(char32_t c, const char* encoding) {
    const char utf32[4] = {static_cast<char>(c & 0xff), static_cast<char>(c >> 8 & 0xff),
                           static_cast<char>(c >> 16 & 0xff), static_cast<char>(c >> 24)};
    return try_convert(std::string_view(utf32, 4), "UTF-32LE", encoding).value_or("?");
}

// The code points of UTF-16 text; '?' for each unpaired surrogate and for
// an odd last byte.
std::vector<char32_t> utf16_code_points(std::string_view bytes, bool little_endian) {
    std::vector<char32_t> units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(little_endian ? a + 256u * b : 256u * a + b);
    }
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char32_t u = units[i];
        const bool high = u >= 0xd800 && u < 0xdc00;
        const bool low = u >= 0xdc00 && u < 0xe000;
        if (high && i + 1 < units.size() && units[i + 1] >= 0xdc00 && units[i + 1] < 0xe000) {
            points.push_back(0x10000 + (u - 0xd800) * 0x400 + (units[i + 1] - 0xdc00));
            ++i;
        } else {
            points.push_back(high || low ? U'?' : u);
        }
    }
    if (bytes.size() % 2 != 0) {
        points.push_back(U'?');
    }
    return points;
}

} // namespace

std::string decoded_model(std::string_view input, bool ctrl_z_ends, const char* encoding) {
    const bool little = input.starts_with("\xff\xfe");
    if (!little && !input.starts_with("\xfe\xff")) {
        if (input.starts_with("\xef\xbb\xbf")) {
            input.remove_prefix(3);
        }
        return std::string(ctrl_z_ends ? input.substr(0, input.find('\x1a')) : input);
    }
    std::string text;
    for (const char32_t c : utf16_code_points(input.substr(2), little)) {
        if (ctrl_z_ends && c == 0x1a) {
            break;
        }
        text += iconv_character(c, encoding);
    }
    return text;
}

} // namespace poker::testing
