#include "WindowsCommandLine.h"

namespace tavoclip {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    return pos;
}

std::string ProgramName(std::string_view text, std::size_t& pos) {
    std::string name;
    bool quoted = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"') {
            quoted = !quoted;
        } else if (IsBlank(c) && !quoted) {
            break;
        } else {
            name += c;
        }
    }
    return name;
}

// Handles a run of backslashes at pos and what follows it; returns true
// when the run ended in a quote that toggles quoting.
bool Backslashes(std::string_view text, std::size_t& pos, std::string& argument) {
    std::size_t count = 0;
    while (pos < text.size() && text[pos] == '\\') ++count, ++pos;
    if (pos >= text.size() || text[pos] != '"') {
        argument.append(count, '\\');
        return false;
    }
    argument.append(count / 2, '\\');
    if (count % 2 == 1) {
        argument += '"';
        ++pos;
        return false;
    }
    return true;
}

std::string NextArgument(std::string_view text, std::size_t& pos) {
    std::string argument;
    bool quoted = false;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == '\\') {
            if (!Backslashes(text, pos, argument)) continue;
        } else if (IsBlank(c) && !quoted) {
            break;
        } else if (c != '"') {
            argument += c;
            ++pos;
            continue;
        }
        // A quote: "" inside a quoted part is a literal quote.
        if (quoted && pos + 1 < text.size() && text[pos + 1] == '"') {
            argument += '"';
            pos += 2;
            continue;
        }
        quoted = !quoted;
        ++pos;
    }
    return argument;
}

}  // namespace

std::vector<std::string> SplitWindowsCommandLine(std::string_view commandLine) {
    std::vector<std::string> arguments;
    std::size_t pos = SkipBlanks(commandLine, 0);
    if (pos >= commandLine.size()) return arguments;
    arguments.push_back(ProgramName(commandLine, pos));
    for (pos = SkipBlanks(commandLine, pos); pos < commandLine.size(); pos = SkipBlanks(commandLine, pos)) {
        arguments.push_back(NextArgument(commandLine, pos));
    }
    return arguments;
}

}  // namespace tavoclip
