#include "encoding.h"

#include <gtest/gtest.h>

#include "decoding_model.h"

namespace poker::testing {

std::string encoded(std::string_view utf8) {
#if POKER_ENCODING_CP949
    return convert(utf8, "UTF-8", "CP949");
#else
    return std::string(utf8);
#endif
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
