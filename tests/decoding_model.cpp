#include "decoding_model.h"

#include <vector>

namespace poker::testing {

std::string utf8_encoder(char32_t c) {
    std::string s;
    const auto add = [&](char32_t byte) { s += static_cast<char>(byte); };
    if (c < 0x80) {
        add(c);
    } else if (c < 0x800) {
        add(0xc0 | c >> 6);
        add(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        add(0xe0 | c >> 12);
        add(0x80 | (c >> 6 & 0x3f));
        add(0x80 | (c & 0x3f));
    } else {
        add(0xf0 | c >> 18);
        add(0x80 | (c >> 12 & 0x3f));
        add(0x80 | (c >> 6 & 0x3f));
        add(0x80 | (c & 0x3f));
    }
    return s;
}

namespace {

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

std::string decoded_model(std::string_view input, bool ctrl_z_ends, character_encoder encode) {
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
        text += encode(c);
    }
    return text;
}

} // namespace poker::testing
