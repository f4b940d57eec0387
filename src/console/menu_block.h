// The menu block: its four items between two rules, the request to separate
// the entries with the space bar, and the prompt, without a line end.
//
// Every pass writes it, so each text table holds it whole, joined when
// compiling from the lines below and the table's own request and prompt,
// and it is copied in one piece.
#pragma once

#include <cstddef>
#include <string_view>

namespace poker {

inline constexpr std::string_view menu_rule =
    "--------------------------------------------------------------";
static_assert(menu_rule.size() == 62);

// A text joined from parts when compiling.
struct joined_text {
    char bytes[512];  // the parts, one after the other
    std::size_t size; // how many bytes of it they fill

    constexpr std::string_view view() const { return {bytes, size}; }
};

constexpr joined_text menu_block(std::string_view request, std::string_view prompt) {
    const std::string_view parts[] = {menu_rule,
                                      "\n",
                                      "1.   Print all Game result\n",
                                      "2.   Print Game(number)\n",
                                      "3.   Delete Game(number)\n",
                                      "4.   Exit",
                                      request,
                                      "\n",
                                      menu_rule,
                                      "\n",
                                      prompt};
    joined_text menu{};
    for (const std::string_view part : parts) {
        for (const char c : part) {
            menu.bytes[menu.size++] = c;
        }
    }
    return menu;
}

} // namespace poker
