#pragma once

#include <QString>

#include <string>

namespace tavoclip {

// The texts that the engine and the core hand to a window or a terminal as
// plain English strings, translated where Qt shows them. A message whose
// first line is a known heading ("These files were not converted:") gets
// that line translated and keeps the rest, the converter's reasons, as is.
class MessageTexts {
public:
    static QString Translate(const std::string& text);
    // The same as UTF-8 bytes; the untranslated rest keeps its bytes as they
    // are, so a name that is not valid UTF-8 reaches the terminal unchanged.
    static std::string TranslateBytes(const std::string& text);
    // "about N min left", "less than a minute left" (0), or empty (-1:
    // no estimate yet), from whole minutes left.
    static QString TimeLeft(long minutes);
};

}  // namespace tavoclip
