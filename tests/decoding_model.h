// What the input decoder must make of an input, worked out the plain way:
// the whole input at once, character by character, each character put in
// the output's encoding by iconv rather than by the program's own encoders.
// No GoogleTest here: the fuzzer uses it too.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace poker::testing {

// Converts with iconv, exactly; nothing when the text does not convert.
std::optional<std::string> try_convert(std::string_view text, const char* from, const char* to);

// The input after its byte-order mark: UTF-8's skipped, UTF-16's decoded
// into `encoding`, anything else as it is. With ctrl_z_ends, everything
// from the first Ctrl-Z character on is dropped.
std::string decoded_model(std::string_view input, bool ctrl_z_ends, const char* encoding);

} // namespace poker::testing
