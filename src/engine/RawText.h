#pragma once

#include <QString>

#include <string>

namespace tavoclip {

// Names arrive as bytes (command-line words, setup.ini) but the option
// parser and the window's text box hold QString. Text that is not valid
// UTF-8 is carried through QString with each stray byte as a lone surrogate
// U+DC80..U+DCFF (which well-formed UTF-8 never yields), so the exact bytes
// come back out and a name is never silently changed; the batch then
// refuses such a name instead of passing on another one.
QString DecodeRawText(const std::string& bytes);
std::string EncodeRawText(const QString& text);

}  // namespace tavoclip
