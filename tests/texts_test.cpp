// The CP949 texts must be exactly the UTF-8 texts converted.
#include <gtest/gtest.h>

#include "encoding.h"
#include "texts.h"

namespace {

void expect_converted(std::string_view utf8, std::string_view cp949) {
    EXPECT_EQ(poker::testing::convert(utf8, "UTF-8", "CP949"), cp949) << "text \"" << utf8 << "\"";
}

TEST(Texts, Cp949TableIsTheUtf8TableConverted) {
    const poker::text_table& u = poker::utf8_texts;
    const poker::text_table& c = poker::cp949_texts;
    for (int column = 0; column < 2; ++column) {
        for (std::size_t row = 0; row < poker::result_rows; ++row) {
            expect_converted(u.results[column][row], c.results[column][row]);
        }
    }
    expect_converted(u.calculated, c.calculated);
    expect_converted(u.length_error, c.length_error);
    expect_converted(u.again, c.again);
    expect_converted(u.came_through, c.came_through);
    expect_converted(u.menu, c.menu);
}

} // namespace
