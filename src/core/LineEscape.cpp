#include "LineEscape.h"

#include "Utf8Text.h"

namespace tavoclip {
namespace {

constexpr char kHex[] = "0123456789abcdef";

void AppendAscii(std::string& out, unsigned char byte)
{
    if (byte == '\\') {
        out += "\\\\";
    } else if (byte == '\n') {
        out += "\\n";
    } else if (byte == '\t') {
        out += "\\t";
    } else if (byte < 0x20 || byte == 0x7f) {
        out += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xf]};
    } else {
        out += static_cast<char>(byte);
    }
}

// The code point of a well-formed sequence when it is a C1 control or a
// line or paragraph separator, else 0. Their encodings are C2 80..C2 9F and
// E2 80 A8 / E2 80 A9.
char32_t LineBreakingCodePoint(std::string_view sequence)
{
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(sequence[i]); };
    if (sequence.size() == 2 && at(0) == 0xc2 && at(1) <= 0x9f) return at(1);
    if (sequence.size() == 3 && at(0) == 0xe2 && at(1) == 0x80 && (at(2) == 0xa8 || at(2) == 0xa9)) {
        return at(2) == 0xa8 ? U'\u2028' : U'\u2029';
    }
    return 0;
}

void AppendCodePoint(std::string& out, char32_t code)
{
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(code >> shift) & 0xf];
}

}  // namespace

std::string EscapeForLine(std::string_view text, InvalidBytes invalid)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80 ? 1 : Utf8SequenceLength(text, i);
        if (byte < 0x80) {
            AppendAscii(result, byte);
        } else if (length == 0 && invalid == InvalidBytes::Escape) {
            result += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xf]};
        } else if (length == 0) {
            result += text[i];  // not UTF-8: kept, the name's own byte
        } else if (const char32_t code = LineBreakingCodePoint(text.substr(i, length)); code != 0) {
            AppendCodePoint(result, code);
        } else {
            result.append(text.substr(i, length));
        }
        i += length == 0 ? 1 : length;
    }
    return result;
}

}  // namespace tavoclip
