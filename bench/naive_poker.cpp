// The same program written the straightforward way, as the baseline that the
// benchmark measures poker against: default iostreams, formatted reads,
// std::endl after every line. It shares the scoring and the texts, so for
// well-formed games it writes exactly what poker writes.
#include <iostream>
#include <string>

#include "console/texts.h"
#include "hand/hand.h"

namespace {

void show_menu() {
    const std::string rule(62, '-');
    std::cout << rule << std::endl;
    std::cout << "1.   Print all Game result" << std::endl;
    std::cout << "2.   Print Game(number)" << std::endl;
    std::cout << "3.   Delete Game(number)" << std::endl;
    std::cout << "4.   Exit" << poker::texts.request << std::endl;
    std::cout << rule << std::endl;
    std::cout << poker::texts.prompt;
}

int score(const std::string& token, poker::hand& h) {
    token.copy(h.card, 10);
    h.card[10] = '\0';
    poker::split(h);
    poker::mapping(h);
    poker::sort(h.shape, h.rank);
    h.straight = poker::straight_check(h.rank);
    h.flush = poker::flush_check(h.shape);
    h.score = poker::calculation(h.flush, h.straight, h);
    h.high = poker::high_shape(h.shape);
    return h.score;
}

void print_result(int winner, int score) {
    int row = poker::result_bands - 1;
    for (int band = 0; band < poker::result_bands - 1; ++band) {
        if (score >= 1000 - 100 * band && score <= 1099 - 100 * band) {
            row = band;
            break;
        }
    }
    std::cout << poker::texts.results[winner == 1 ? 0 : 1][row];
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
                print_result(1, score_a);
            } else {
                print_result(2, score_b);
            }
            std::cout << poker::texts.calculated << std::endl;
        }
        std::cout << poker::texts.came_through << std::endl;
    }
    std::cout << std::endl;
    return 0;
}
