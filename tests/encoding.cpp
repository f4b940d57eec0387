#include "encoding.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace poker::testing {

std::string encoded(std::string_view utf8) {
#if POKER_TEXTS_CP949
    return convert(utf8, "UTF-8", "CP949");
#else
    return std::string(utf8);
#endif
}

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

std::string convert(std::string_view text, const char* from, const char* to) {
    std::optional<std::string> result = try_convert(text, from, to);
    if (!result) {
        ADD_FAILURE() << "iconv cannot convert \"" << text << "\" from " << from << " to " << to;
        return {};
    }
    return *result;
}

} // namespace poker::testing
