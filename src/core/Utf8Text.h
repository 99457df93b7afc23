#pragma once

#include <cstddef>
#include <string_view>

namespace tavoclip {

// The length of the well-formed UTF-8 sequence that starts at text[pos]
// (1 to 4), or 0 when the bytes there are not one: a stray continuation
// byte, a truncated or overlong sequence, a surrogate or a value past
// U+10FFFF.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos);

// Whether every byte of text belongs to a well-formed UTF-8 sequence. Names
// that are not cannot be handed to the converter unchanged: the process
// launcher and the window carry text, not bytes.
bool IsValidUtf8(std::string_view text);

}  // namespace tavoclip
