// The encodings the output can be written in, and the one this program was
// built for.
#pragma once

namespace poker {

enum class text_encoding {
    utf8,  // terminals that expect UTF-8, and output redirected from a Windows
           // terminal set to code page 65001
    cp949, // the Korean code page 949 of Windows
};

// The build's encoding (POKER_ENCODING when configuring): what the output is
// written in, unless the platform knows that its output expects the other.
#if POKER_ENCODING_CP949
inline constexpr text_encoding build_encoding = text_encoding::cp949;
#else
inline constexpr text_encoding build_encoding = text_encoding::utf8;
#endif

} // namespace poker
