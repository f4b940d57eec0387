// Whole characters out of writes cut anywhere: what the Windows console
// writer relies on, checked where it compiles everywhere.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "character_carry.h"
#include "texts.h"

namespace {

bool collect(void* context, const char* data, std::size_t size) {
    static_cast<std::vector<std::string>*>(context)->emplace_back(data, size);
    return true;
}

// Every way of cutting a text into writes of 1 to 5 bytes, and cuts that
// land inside the character carried from the write before.
TEST(CharacterCarry, WritesWholeCharactersHoweverTheWritesAreCut) {
    for (const poker::text_table* texts : {&poker::utf8_texts, &poker::cp949_texts}) {
        const std::string text = std::string(texts->results[0][0]) + "\n" +
                                 std::string(texts->came_through) + std::string(texts->prompt);
        for (std::size_t piece = 1; piece <= 5; ++piece) {
            poker::character_carry carry{};
            poker::open_character_carry(carry, texts->encoding);
            std::vector<std::string> writes;
            for (std::size_t at = 0; at < text.size(); at += piece) {
                const std::size_t size = std::min(piece, text.size() - at);
                ASSERT_TRUE(
                    poker::write_whole_characters(carry, text.data() + at, size, collect, &writes));
            }
            std::string joined;
            for (const std::string& w : writes) {
                EXPECT_EQ(poker::whole_characters(texts->encoding, w.data(), w.size()), w.size())
                    << "a write of " << w.size() << " bytes cuts a character, pieces of " << piece;
                joined += w;
            }
            EXPECT_EQ(joined, text) << "pieces of " << piece;
            EXPECT_EQ(carry.size, 0u);
        }
    }
}

} // namespace
