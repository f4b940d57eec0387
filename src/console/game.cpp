// One game: reading the two hands, scoring both, naming the winner.
#include "game.h"

#include <cstring>

namespace poker {

namespace {

// Reads one hand token into h.card. A token of any length is read whole, but
// only its first ten bytes are kept, so the card text is never overrun.
hands_read read_hand(token_reader& tokens, hand& h) {
    token t;
    if (!read_token(tokens, t)) {
        return hands_read::ended;
    }
    static_assert(sizeof h.card == sizeof t.text);
    std::memcpy(h.card, t.text, sizeof h.card);
    return t.length == 10 ? hands_read::ten_bytes : hands_read::wrong_length;
}

} // namespace

hands_read read_hands(token_reader& tokens, hand& a, hand& b) {
    const hands_read first = read_hand(tokens, a);
    if (first == hands_read::ended) {
        return first;
    }
    const hands_read second = read_hand(tokens, b);
    if (second == hands_read::ended) {
        return second;
    }
    return first == hands_read::ten_bytes ? second : first;
}

void evaluate_game(output& out, const text_table& texts, hand& a, hand& b, std::int32_t& winner) {
    score_hand(a);
    score_hand(b);
    // The higher score wins; on equal scores the higher tie value, and
    // since every hand has the same tie value, equal scores go to B.
    const bool a_wins = a.score > b.score || (a.score == b.score && a.high > b.high);
    winner = a_wins ? 1 : 2;
    final_print(out, texts, winner, a_wins ? a.score : b.score);
    write_line(out, texts.calculated);
}

void final_print(output& out, const text_table& texts, std::int32_t winner, std::int32_t score) {
    write(out, result_text(texts, winner, score));
}

void settle_game(output& out, const text_table& texts, hands_read read, hand& a, hand& b,
                 std::int32_t& winner) {
    if (read == hands_read::ten_bytes) {
        evaluate_game(out, texts, a, b, winner);
    } else {
        write_line(out, texts.length_error);
    }
}

} // namespace poker
