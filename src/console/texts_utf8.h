// The console's texts in UTF-8. Keep texts_cp949.h in step with this file.
#pragma once

#include "menu_block.h"
#include "text_table.h"

namespace poker {

// The two texts that the menu block is joined from.
inline constexpr std::string_view utf8_request = "(스페이스바로 공백처리 해서 입력해 주세요!)";
inline constexpr std::string_view utf8_prompt = "입력:";
inline constexpr joined_text utf8_menu = menu_block(utf8_request, utf8_prompt);

inline constexpr text_table utf8_texts = {
    .results =
        {
            {
                "로얄 스트레이트 플러쉬로 A가 이겼습니다.",
                "스트레이트 플러쉬로 A가 이겼습니다.",
                "포카드로 A가 이겼습니다.",
                "풀하우스로 A가 이겼습니다.",
                "플러쉬로 A가 이겼습니다.",
                "스트레이트로 A가 이겼습니다.",
                "트리플로 A가 이겼습니다.",
                "투페어로 A가 이겼습니다.",
                "원페어로 A가 이겼습니다.",
                "탑으로 A가 이겼습니다.",
            },
            {
                "로얄 스트레이트 플러쉬로 B가 이겼습니다.",
                "스트레이트 플러쉬로 B가 이겼습니다.",
                "포카드로 B가 이겼습니다.",
                "풀하우스로 B가 이겼습니다.",
                "플러쉬로 B가 이겼습니다.",
                "스트레이트로 B가 이겼습니다.",
                "트리플로 B가 이겼습니다.",
                "투페어로 B가 이겼습니다.",
                "원페어로 B가 이겼습니다.",
                "탑으로 B가 이겼습니다.",
            },
        },
    .calculated = "계산해쓰 ",
    .length_error = "카드 다섯 장을 10글자로 입력해주세요",
    .again = "다시 입력해주세요 ",
    .came_through = "넘어 왔으 ",
    .menu = utf8_menu.view(),
};

// A compiler whose execution character set is not UTF-8 would re-encode the
// literals above; each Hangul syllable must stay three bytes.
static_assert(utf8_prompt.size() == 7, "string literals must be compiled as UTF-8");

} // namespace poker
