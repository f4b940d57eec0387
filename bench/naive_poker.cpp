// The same program written with iostreams, as the two baselines that the
// benchmark measures poker against. It shares the scoring and the texts, so
// for well-formed games it writes exactly what poker writes.
//   naive_poker: the straightforward way: default iostreams, formatted
//                reads, std::endl (a flush) after every line;
//   tuned_poker: built with POKER_TUNED_IOSTREAMS, as a careful programmer
//                writes it: '\n' instead of std::endl, the streams unsynced
//                from stdio and cin untied from cout.
#include <iostream>
#include <string>
#include <string_view>

#include "hand.h"
#include "texts.h"

namespace {

// Ends a line: with a flush, or (tuned) without one.
std::ostream& end_line(std::ostream& out) {
#if POKER_TUNED_IOSTREAMS
    return out << '\n';
#else
    return out << std::endl;
#endif
}

// The texts in the build's encoding, as poker writes them to a file.
const poker::text_table& texts = poker::texts_in(poker::build_encoding);

void show_menu() {
    // The menu block a line at a time, the prompt without a line end.
    std::string_view menu = texts.menu;
    for (std::size_t end; (end = menu.find('\n')) != std::string_view::npos;
         menu.remove_prefix(end + 1)) {
        std::cout << menu.substr(0, end) << end_line;
    }
    std::cout << menu;
}

int score(const std::string& token, poker::hand& h) {
    token.copy(h.card, 10);
    h.card[10] = '\0';
    poker::score_hand(h);
    return h.score;
}

} // namespace

int main() {
#if POKER_TUNED_IOSTREAMS
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
#endif
    poker::hand a{};
    poker::hand b{};
    for (;;) {
        int selection = 0;
        int game_number = 0;
        show_menu();
        if (!(std::cin >> selection)) {
            break;
        }
        if (selection != 1 && selection != 4 && !(std::cin >> game_number)) {
            break;
        }
        std::string first;
        std::string second;
        if (!(std::cin >> first >> second)) {
            break;
        }
        if (selection != 3) {
            const int score_a = score(first, a);
            const int score_b = score(second, b);
            if (score_a > score_b) {
                std::cout << poker::result_text(texts, 1, score_a);
            } else {
                std::cout << poker::result_text(texts, 2, score_b);
            }
            std::cout << texts.calculated << end_line;
        }
        std::cout << texts.came_through << end_line;
    }
    std::cout << end_line;
    return 0;
}
