#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavoclip {

// Splits a command line the way a Windows program receives it: the program
// name ends at the first space outside quotes (its quotes are removed, and
// backslashes stay as they are); each following argument follows the
// C runtime's rules: 2n backslashes before a quote give n backslashes and
// toggle quoting, 2n+1 give n backslashes and a literal quote, and two
// quotes inside a quoted part give one literal quote.
std::vector<std::string> SplitWindowsCommandLine(std::string_view commandLine);

}  // namespace tavoclip
