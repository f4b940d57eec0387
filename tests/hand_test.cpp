// Scoring single hands: categories, the run and suit counts, and the odd
// corners that are part of how this game scores.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "case_name.h"
#include "hand.h"

namespace {

poker::hand scored(const char* card) {
    poker::hand h{};
    std::memcpy(h.card, card, 10);
    poker::score_hand(h);
    return h;
}

struct scoring_case {
    const char* name;
    const char* card;
    std::int32_t straight;
    std::int32_t flush;
    std::int32_t score;
};

class Scoring : public ::testing::TestWithParam<scoring_case> {};

TEST_P(Scoring, CountsAndScore) {
    const scoring_case& c = GetParam();
    const poker::hand h = scored(c.card);
    EXPECT_EQ(h.straight, c.straight) << c.card;
    EXPECT_EQ(h.flush, c.flush) << c.card;
    EXPECT_EQ(h.score, c.score) << c.card;
    EXPECT_EQ(h.high, 4) << c.card;
}

INSTANTIATE_TEST_SUITE_P(
    Hands, Scoring,
    ::testing::Values(scoring_case{"RoyalStraightFlush", "AHKHQHJH0H", 5, 5, 1014},
                      scoring_case{"StraightFlush", "2S3S4S5S6S", 5, 5, 906},
                      scoring_case{"StraightNineToKing", "9H0DJSQCKH", 5, 1, 513},
                      scoring_case{"StraightTenToAce", "0HJDQSKCAH", 5, 1, 514},
                      scoring_case{"WheelScoresWithTheAce", "AH2D3S4C5H", 5, 1, 514},
                      scoring_case{"SuitedWheelIsRoyal", "5C4C3C2CAC", 5, 5, 1014},
                      scoring_case{"RunStopsAtFirstGap", "2H3D4S9C0H", 3, 1, 110},
                      scoring_case{"RunOfTwo", "2H3D5S6C7H", 2, 1, 107},
                      scoring_case{"AceAfterFiveOnlyOnce", "3H4D5SACAH", 4, 1, 214},
                      scoring_case{"SuitCountStopsAtFirstOther", "2H3H4D5H7H", 4, 2, 107},
                      scoring_case{"Flush", "2D9D4DKD7D", 1, 5, 613},
                      scoring_case{"FlushWithRepeatedRank", "7H7H2H3H9H", 2, 5, 609},
                      scoring_case{"FourNinesAndKing", "9H9D9S9CKH", 1, 1, 809},
                      scoring_case{"FourKingsAndNine", "KHKDKSKC9H", 1, 1, 813},
                      scoring_case{"FullHouseTwosOverKings", "2H2D2SKCKH", 1, 1, 713},
                      scoring_case{"FullHouseKingsOverTwos", "KHKDKS2C2H", 1, 1, 713},
                      scoring_case{"FullHouseTakesHigherGroup", "3H3D3S4C4H", 1, 1, 704},
                      scoring_case{"ThreeInTheMiddle", "2H7D7S7CKH", 1, 1, 407},
                      scoring_case{"ThreeAtTheBottom", "4H4D4S9CKH", 1, 1, 404},
                      scoring_case{"ThreeAtTheTop", "2H5DQSQCQH", 1, 1, 412},
                      scoring_case{"TwoPair", "3H3D8S8CQH", 1, 1, 308},
                      scoring_case{"TwoPairAroundKicker", "3H3D8SQCQH", 1, 1, 312},
                      scoring_case{"PairOfJacks", "JHJD2S5C9H", 1, 1, 211},
                      scoring_case{"HighKing", "2H5D7S9CKH", 1, 1, 113},
                      scoring_case{"FiveSevensAreHighCard", "7H7D7S7C7H", 1, 1, 107},
                      scoring_case{"LowerCaseZPairLooksLikeTwoPair", "zHzD2S5C9H", 1, 1, 322},
                      scoring_case{"LowerCaseKHighLooksLikeOnePair", "kH2D5S7C9H", 1, 1, 207},
                      scoring_case{"OneSortsAboveTheAce", "1HAD5S7C9H", 1, 1, 149},
                      scoring_case{"ByteAbove127IsNegative",
                                   "\xff"
                                   "H2D5S7C9H",
                                   1, 1, 109},
                      scoring_case{"ControlByteFourteenActsAsAce",
                                   "\x0e"
                                   "H5D4S3C2H",
                                   5, 1, 514}),
    poker::testing::case_name{});

// The steps on the rules' own examples. (Every other hand's ranks and suits
// after sort are held to the plain steps by hand_model_test.cpp.)
TEST(Steps, SplitMappingAndSortOnTheRulesExamples) {
    poker::hand h{};
    std::memcpy(h.card, "AHKHQHJH0H", 11);
    poker::split(h);
    EXPECT_EQ((std::array{h.rank[0], h.rank[1], h.rank[2], h.rank[3], h.rank[4]}),
              (std::array<std::int32_t, 5>{65, 75, 81, 74, 48}));
    poker::mapping(h);
    EXPECT_EQ((std::array{h.rank[0], h.rank[1], h.rank[2], h.rank[3], h.rank[4]}),
              (std::array<std::int32_t, 5>{14, 13, 12, 11, 10}));
    const poker::hand fives = scored("5H5D3S9C9S"); // the fives' suits come out swapped
    EXPECT_EQ(
        (std::array{fives.rank[0], fives.rank[1], fives.rank[2], fives.rank[3], fives.rank[4]}),
        (std::array<std::int32_t, 5>{3, 5, 5, 9, 9}));
    EXPECT_EQ(std::string(fives.shape, 5), "SDHCS");
}

// mapping takes any 32-bit values: only the codes of rank characters change,
// and a value that is a rank character's code plus a multiple of 256 is not one.
TEST(Mapping, ValuesBeyondAByteKeepThemselves) {
    poker::hand h{};
    const std::array<std::int32_t, 5> values{'K' + 256, 'A' - 256, INT32_MAX, INT32_MIN, 'K'};
    std::copy(values.begin(), values.end(), h.rank);
    poker::mapping(h);
    EXPECT_EQ((std::array{h.rank[0], h.rank[1], h.rank[2], h.rank[3], h.rank[4]}),
              (std::array<std::int32_t, 5>{'K' + 256, 'A' - 256, INT32_MAX, INT32_MIN, 13}));
}

// sort takes any 32-bit ranks, the extremes included, and moves each suit
// with its rank; equal ranks keep the order the exchanges leave them in.
TEST(Sort, ExtremeRanksKeepTheirSuits) {
    std::int32_t rank[5] = {INT32_MAX, INT32_MIN, -1, INT32_MAX, 0};
    char shape[5] = {'a', 'b', 'c', 'd', 'e'};
    poker::sort(shape, rank);
    EXPECT_EQ((std::array{rank[0], rank[1], rank[2], rank[3], rank[4]}),
              (std::array<std::int32_t, 5>{INT32_MIN, -1, 0, INT32_MAX, INT32_MAX}));
    EXPECT_EQ(std::string(shape, 5), "bceda");
}

// The functions that take arrays are handed six elements, the sixth chosen
// so that reading it would change the result: a loop bound one too far
// shows here, where inside a hand record the next field would hide it.
TEST(FiveCards, NoFunctionReadsASixth) {
    const std::int32_t run[6] = {2, 3, 4, 5, 6, 7};
    EXPECT_EQ(poker::straight_check(run), 5) << "straight_check";

    const char suits[6] = {'H', 'H', 'H', 'H', 'H', 'H'};
    EXPECT_EQ(poker::flush_check(suits), 5) << "flush_check";

    // One row for each of count's branches, from four of a kind to a high
    // card: the groups and the top rank it writes.
    const struct {
        std::int32_t rank[6];
        std::array<std::int32_t, 3> groups;
    } counts[] = {{{2, 3, 4, 9, 9, 9}, {2, 1, 9}}, {{2, 3, 4, 5, 7, 7}, {1, 0, 7}},
                  {{2, 2, 2, 4, 5, 5}, {3, 1, 2}}, {{2, 2, 4, 4, 5, 5}, {2, 2, 4}},
                  {{2, 2, 2, 4, 4, 2}, {3, 2, 4}}, {{3, 3, 3, 3, 5, 3}, {4, 0, 3}}};
    for (const auto& c : counts) {
        std::array<std::int32_t, 3> groups{0, 0, -1};
        poker::count(c.rank, groups[0], groups[1], groups[2]);
        EXPECT_EQ(groups, c.groups) << "count of " << ::testing::PrintToString(c.rank);
    }

    std::int32_t rank[6] = {6, 5, 4, 3, 2, 1};
    char shape[6] = {'a', 'b', 'c', 'd', 'e', 'f'};
    poker::sort(shape, rank);
    EXPECT_EQ((std::array{rank[0], rank[1], rank[2], rank[3], rank[4], rank[5]}),
              (std::array{2, 3, 4, 5, 6, 1}))
        << "sort";
    EXPECT_EQ(std::string(shape, 6), "edcbaf") << "sort";
}

} // namespace
