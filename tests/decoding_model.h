// What the input decoder must make of an input, worked out the plain way:
// the whole input at once, character by character.
#pragma once

#include <string>
#include <string_view>

namespace poker::testing {

// One character in the output's encoding; "?" where that encoding lacks it.
using character_encoder = std::string (*)(char32_t);

std::string utf8_encoder(char32_t c);

// The input after its byte-order mark: UTF-8's skipped, UTF-16's decoded
// with `encode`, anything else as it is. With ctrl_z_ends, everything from
// the first Ctrl-Z character on is dropped.
std::string decoded_model(std::string_view input, bool ctrl_z_ends, character_encoder encode);

} // namespace poker::testing
