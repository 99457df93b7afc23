#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavoclip {

// The converter decides its output's final name as it puts the file into
// place (a name taken meanwhile gets the next number), and says which name
// it used in one line of its console output: "conv: wrote " and the path,
// with a backslash, a line feed and a carriage return written as "\\", "\n"
// and "\r", so that any name stays on its line.
std::string WrittenOutputText(const std::string& path);

// The path named by the last such line in a converter's output; nullopt
// when there is none (the converter failed, or is another program).
std::optional<std::string> FindWrittenOutput(std::string_view converterOutput);

}  // namespace tavoclip
