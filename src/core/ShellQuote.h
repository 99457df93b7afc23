#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavoclip {

// One word for a POSIX shell: the text inside single quotes, each single
// quote written as '\''. Inside single quotes a shell gives every byte its
// literal meaning, so names holding spaces, $(...), backquotes, ";", a
// leading "-" or bytes that are not UTF-8 reach the program unchanged.
std::string ShellQuote(std::string_view word);

// The words quoted one by one and joined with single spaces.
std::string ShellCommandLine(const std::vector<std::string>& words);

}  // namespace tavoclip
