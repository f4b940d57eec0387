// The texts: the CP949 table must be exactly the UTF-8 table converted.
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

// The result texts for the scores and winner codes that no game reaches
// (rank bytes give scores from -28 to 1027, and a game names A or B): the
// dialogue check holds the rest.
TEST(Texts, ResultTextBeyondWhatGamesReach) {
    const poker::text_table& t = poker::utf8_texts;
    EXPECT_EQ(poker::result_text(t, 2, 1099), "로얄 스트레이트 플러쉬로 B가 이겼습니다.");
    EXPECT_EQ(poker::result_text(t, 1, 1100), "탑으로 A가 이겼습니다.");
    EXPECT_EQ(poker::result_text(t, 0, 1014), "로얄 스트레이트 플러쉬로 B가 이겼습니다.");
    EXPECT_EQ(poker::result_text(t, 3, 211), "원페어로 B가 이겼습니다.");
}

} // namespace
