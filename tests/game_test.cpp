// Games: the two hands read, the winner decided, the result written.
#include <gtest/gtest.h>

#include <string>

#include "case_name.h"
#include "encoding.h"
#include "game.h"
#include "memory_io.h"
#include "token_reader.h"

namespace {

using poker::testing::encoded;

struct print_case {
    const char* name;
    std::int32_t winner;
    std::int32_t score;
    const char* text; // UTF-8
};

class FinalPrint : public ::testing::TestWithParam<print_case> {};

TEST_P(FinalPrint, PicksColumnByWinnerAndRowByBand) {
    const print_case& c = GetParam();
    const std::string written =
        poker::testing::with_console("", 1, [&](poker::input&, poker::output& out) {
            poker::final_print(out, c.winner, c.score);
        });
    EXPECT_EQ(written, encoded(c.text)) << "winner " << c.winner << ", score " << c.score;
}

INSTANTIATE_TEST_SUITE_P(
    Bands, FinalPrint,
    ::testing::Values(
        print_case{"RoyalA", 1, 1014, "로얄 스트레이트 플러쉬로 A가 이겼습니다."},
        print_case{"RoyalTopOfBandB", 2, 1099, "로얄 스트레이트 플러쉬로 B가 이겼습니다."},
        print_case{"AboveAllBandsA", 1, 1100, "탑으로 A가 이겼습니다."},
        print_case{"StraightFlushB", 2, 999, "스트레이트 플러쉬로 B가 이겼습니다."},
        print_case{"StraightFlushBottomA", 1, 900, "스트레이트 플러쉬로 A가 이겼습니다."},
        print_case{"FourOfAKindA", 1, 899, "포카드로 A가 이겼습니다."},
        print_case{"FourOfAKindB", 2, 800, "포카드로 B가 이겼습니다."},
        print_case{"FullHouseA", 1, 713, "풀하우스로 A가 이겼습니다."},
        print_case{"FullHouseB", 2, 704, "풀하우스로 B가 이겼습니다."},
        print_case{"FlushA", 1, 613, "플러쉬로 A가 이겼습니다."},
        print_case{"FlushB", 2, 699, "플러쉬로 B가 이겼습니다."},
        print_case{"StraightA", 1, 514, "스트레이트로 A가 이겼습니다."},
        print_case{"StraightB", 2, 505, "스트레이트로 B가 이겼습니다."},
        print_case{"ThreeOfAKindA", 1, 407, "트리플로 A가 이겼습니다."},
        print_case{"ThreeOfAKindB", 2, 499, "트리플로 B가 이겼습니다."},
        print_case{"TwoPairA", 1, 322, "투페어로 A가 이겼습니다."},
        print_case{"TwoPairB", 2, 300, "투페어로 B가 이겼습니다."},
        print_case{"OnePairA", 1, 299, "원페어로 A가 이겼습니다."},
        print_case{"OnePairB", 2, 207, "원페어로 B가 이겼습니다."},
        print_case{"OnePairBottomA", 1, 200, "원페어로 A가 이겼습니다."},
        print_case{"HighCardA", 1, 114, "탑으로 A가 이겼습니다."},
        print_case{"HighCardB", 2, 199, "탑으로 B가 이겼습니다."},
        print_case{"BelowAllBandsA", 1, 99, "탑으로 A가 이겼습니다."},
        print_case{"BelowAllBandsB", 2, 0, "탑으로 B가 이겼습니다."},
        print_case{"NegativeScore", 2, -5, "탑으로 B가 이겼습니다."},
        print_case{"WinnerZeroTakesBColumn", 0, 1014, "로얄 스트레이트 플러쉬로 B가 이겼습니다."},
        print_case{"WinnerThreeTakesBColumn", 3, 211, "원페어로 B가 이겼습니다."}),
    poker::testing::case_name{});

struct game_case {
    const char* name;
    const char* typed;   // the two hand tokens as typed, with their blanks
    std::int32_t winner; // 0 when the game is not evaluated
    const char* written; // UTF-8
};

class Games : public ::testing::TestWithParam<game_case> {};

// Reads one game and settles it, served one byte, three bytes, and a whole
// buffer at a time, so tokens straddle every kind of read boundary.
TEST_P(Games, ReadAndSettled) {
    const game_case& c = GetParam();
    const std::string typed = c.typed; // may hold a NUL: see the row's name
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{3}, poker::io_buffer_size}) {
        std::int32_t winner = 0;
        const std::string written =
            poker::testing::with_console(typed, chunk, [&](poker::input& in, poker::output& out) {
                poker::hand a{};
                poker::hand b{};
                const poker::hands_read read = poker::read_hands(in, a, b);
                ASSERT_NE(read, poker::hands_read::ended);
                poker::settle_game(out, read, a, b, winner);
            });
        EXPECT_EQ(written, encoded(c.written)) << "input \"" << c.typed << "\", chunk " << chunk;
        EXPECT_EQ(winner, c.winner) << "input \"" << c.typed << "\", chunk " << chunk;
    }
}

INSTANTIATE_TEST_SUITE_P(
    TwoHands, Games,
    ::testing::Values(game_case{"RoyalBeatsStraightFlush", "AHKHQHJH0H 2S3S4S5S6S", 1,
                                "로얄 스트레이트 플러쉬로 A가 이겼습니다.계산해쓰 \n"},
                      game_case{"EqualFullHousesGoToB", "2H2D2SKCKH KHKDKS2C2H", 2,
                                "풀하우스로 B가 이겼습니다.계산해쓰 \n"},
                      game_case{"FullHouseBeatsTwoPair", "2H2D5S5C9H\n3H3D3S4C4H\n", 2,
                                "풀하우스로 B가 이겼습니다.계산해쓰 \n"},
                      game_case{"IdenticalHandsGoToB", "9H0DJSQCKH 9H0DJSQCKH", 2,
                                "스트레이트로 B가 이겼습니다.계산해쓰 \n"},
                      game_case{"WheelTiesTenToAce", "AH2D3S4C5H 0HJDQSKCAH", 2,
                                "스트레이트로 B가 이겼습니다.계산해쓰 \n"},
                      game_case{"ZPairAnnouncedAsTwoPair", "zHzD2S5C9H 2H5D7S9CKH", 1,
                                "투페어로 A가 이겼습니다.계산해쓰 \n"},
                      game_case{"WindowsLineEndsAndOtherBlanks",
                                "\r\n\t\v\f 2H5D7S9CKH\r\n\r\nJHJD2S5C9H\r\n", 2,
                                "원페어로 B가 이겼습니다.계산해쓰 \n"},
                      // Ranks -100, -19, 'C', 'D', 'S': a high card of 'S' (83), 183.
                      game_case{"BytesAbove127BelongToTheToken",
                                "\xed\x95\x9c"
                                "2D5S7C9 2H5D7S9CKH",
                                1, "탑으로 A가 이겼습니다.계산해쓰 \n"},
                      game_case{"ShortTokenIsNotEvaluated", "AHKH 2S3S4S5S6S", 0,
                                "카드 다섯 장을 10글자로 입력해주세요\n"},
                      game_case{"LongTokenIsNotEvaluated", "2S3S4S5S6S AHKHQHJH0H7C", 0,
                                "카드 다섯 장을 10글자로 입력해주세요\n"},
                      game_case{"TokenEndsAtEndOfInput", "AHKHQHJH0H 2S3S4S5S6S", 1,
                                "로얄 스트레이트 플러쉬로 A가 이겼습니다.계산해쓰 \n"}),
    poker::testing::case_name{});

TEST(Games, NulByteCountsAsPartOfTheToken) {
    const std::string typed("2H5D7S9CK\0 2H5D7S9CKH\n", 22);
    std::int32_t winner = 0;
    const std::string written =
        poker::testing::with_console(typed, 4, [&](poker::input& in, poker::output& out) {
            poker::hand a{};
            poker::hand b{};
            const poker::hands_read read = poker::read_hands(in, a, b);
            ASSERT_EQ(read, poker::hands_read::ten_bytes);
            poker::settle_game(out, read, a, b, winner);
        });
    // A's top card is a NUL: 2, 5, 7, 9 and 0 sort to a high nine.
    EXPECT_EQ(written, encoded("탑으로 B가 이겼습니다.계산해쓰 \n"));
    EXPECT_EQ(winner, 2);
}

TEST(Games, HugeTokenIsReadWholeWithoutOverrun) {
    std::string typed(3 * poker::io_buffer_size + 5, 'K');
    typed += " 2S3S4S5S6S";
    const std::string written =
        poker::testing::with_console(typed, 1000, [&](poker::input& in, poker::output&) {
            poker::hand a{};
            poker::hand b{};
            EXPECT_EQ(poker::read_hands(in, a, b), poker::hands_read::wrong_length);
            EXPECT_EQ(std::string(b.card), "2S3S4S5S6S") << "B's token starts after A's ends";
            EXPECT_EQ(a.card[10], '\0');
        });
    EXPECT_EQ(written, "");
}

// A full read that ends a few bytes into a long token: its length and first
// ten bytes come from both reads.
TEST(Games, LongTokenAcrossAFullRead) {
    std::string typed(poker::io_buffer_size - 3, ' ');
    typed += "AHKHQHJH0H2S3S4S 2S3S4S5S6S";
    poker::testing::with_console(typed, poker::io_buffer_size,
                                 [](poker::input& in, poker::output&) {
                                     poker::token t{};
                                     ASSERT_TRUE(poker::read_token(in, t));
                                     EXPECT_EQ(t.length, 16u);
                                     EXPECT_EQ(std::string(t.text), "AHKHQHJH0H");
                                     ASSERT_TRUE(poker::read_token(in, t));
                                     EXPECT_EQ(std::string(t.text), "2S3S4S5S6S")
                                         << "the next token starts after the long one";
                                 });
}

} // namespace
