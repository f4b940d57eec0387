// Games: the two hands read, the winner decided, the result written.
#include <gtest/gtest.h>

#include <string>

#include "case_name.h"
#include "encoding.h"
#include "game.h"
#include "memory_io.h"

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
        poker::testing::with_console("", 1, [&](poker::token_reader&, poker::output& out) {
            poker::final_print(out, poker::build_texts, c.winner, c.score);
            EXPECT_EQ(poker::written(out), encoded(c.text).size()) << "held, not yet flushed";
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
    std::string typed;   // the two hand tokens as typed, with their blanks
    std::int32_t winner; // 0 when the game is not evaluated
    const char* written; // UTF-8
};

class Games : public ::testing::TestWithParam<game_case> {};

// Reads one game and settles it, served one byte, three bytes, and a whole
// buffer at a time, so tokens straddle every kind of read boundary.
TEST_P(Games, ReadAndSettled) {
    const game_case& c = GetParam();
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{3}, poker::io_buffer_size}) {
        std::int32_t winner = 0;
        const std::string written = poker::testing::with_console(
            c.typed, chunk, [&](poker::token_reader& in, poker::output& out) {
                poker::hand a{};
                poker::hand b{};
                const poker::hands_read read = poker::read_hands(in, a, b);
                ASSERT_NE(read, poker::hands_read::ended);
                poker::settle_game(out, poker::build_texts, read, a, b, winner);
            });
        EXPECT_EQ(written, encoded(c.written)) << "input \"" << c.typed << "\", chunk " << chunk;
        EXPECT_EQ(winner, c.winner) << "input \"" << c.typed << "\", chunk " << chunk;
    }
}

INSTANTIATE_TEST_SUITE_P(
    TwoHands, Games,
    // In the first row, the end of the input ends B's token.
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
                      // A's K is of the suit NUL: both hands are a high king, B wins.
                      game_case{"NulByteCountsAsPartOfTheToken",
                                std::string("2H5D7S9CK\0 2H5D7S9CKH\n", 22), 2,
                                "탑으로 B가 이겼습니다.계산해쓰 \n"}),
    poker::testing::case_name{});

} // namespace
