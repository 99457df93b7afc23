#pragma once

#include <string>
#include <string_view>

namespace tavoclip {

// Text as one printed line carries it: nothing in it can end the line, move
// the cursor or send a terminal a command, so a name cannot forge or hide
// the lines around it. Written escaped:
//   the backslash itself as \\, line feed and tab as \n and \t, the other
//   C0 controls and DEL as \xHH;
//   the C1 controls U+0080 to U+009F (NEL among them) and the line and
//   paragraph separators U+2028 and U+2029 as \uHHHH.
// Everything else is kept byte for byte: ordinary non-ASCII letters, and by
// default also bytes that are not UTF-8, which readers decoding UTF-8 take
// for neither a control nor a line end, so a script sees the name's own
// bytes. For a terminal they are written as \xHH: one set to an 8-bit
// character set would take a byte such as 0x9b for a control.
enum class InvalidBytes { Keep,
                          Escape };
std::string EscapeForLine(std::string_view text, InvalidBytes invalid = InvalidBytes::Keep);

}  // namespace tavoclip
