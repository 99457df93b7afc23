#include "ShellQuote.h"

namespace tavoclip {

std::string ShellQuote(std::string_view word)
{
    std::string quoted = "'";
    for (char c : word) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

std::string ShellCommandLine(const std::vector<std::string>& words)
{
    std::string line;
    for (const std::string& word : words) {
        if (!line.empty()) line += ' ';
        line += ShellQuote(word);
    }
    return line;
}

}  // namespace tavoclip
