// The same program written the straightforward way, as the baseline that the
// benchmark measures poker against: default iostreams, formatted reads,
// std::endl after every line. It shares the scoring and the texts, so for
// well-formed games it writes exactly what poker writes.
#include <iostream>
#include <string>

#include "console/game.h"
#include "console/texts.h"

namespace {

void show_menu() {
    const std::string rule(62, '-');
    std::cout << rule << std::endl;
    std::cout << "1.   Print all Game result" << std::endl;
    std::cout << "2.   Print Game(number)" << std::endl;
    std::cout << "3.   Delete Game(number)" << std::endl;
    std::cout << "4.   Exit" << poker::build_texts.request << std::endl;
    std::cout << rule << std::endl;
    std::cout << poker::build_texts.prompt;
}

int score(const std::string& token, poker::hand& h) {
    token.copy(h.card, 10);
    h.card[10] = '\0';
    poker::score_hand(h);
    return h.score;
}

} // namespace

int main() {
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
                std::cout << poker::result_text(poker::build_texts, 1, score_a);
            } else {
                std::cout << poker::result_text(poker::build_texts, 2, score_b);
            }
            std::cout << poker::build_texts.calculated << std::endl;
        }
        std::cout << poker::build_texts.came_through << std::endl;
    }
    std::cout << std::endl;
    return 0;
}
