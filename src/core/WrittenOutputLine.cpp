#include "WrittenOutputLine.h"

namespace tavoclip {
namespace {

constexpr std::string_view kLineStart = "conv: wrote ";

std::string Unescaped(std::string_view text)
{
    std::string path;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            path += text[i];
            continue;
        }
        const char next = text[++i];
        path += next == 'n' ? '\n' : next == 'r' ? '\r'
                                                 : next;
    }
    return path;
}

}  // namespace

std::string WrittenOutputText(const std::string& path)
{
    std::string text = "wrote ";
    for (const char c : path) {
        if (c == '\\') text += "\\\\";
        else if (c == '\n') text += "\\n";
        else if (c == '\r') text += "\\r";
        else text += c;
    }
    return text;
}

std::optional<std::string> FindWrittenOutput(std::string_view converterOutput)
{
    std::size_t start = std::string_view::npos;
    for (std::size_t at = converterOutput.find(kLineStart); at != std::string_view::npos;
         at = converterOutput.find(kLineStart, at + 1)) {
        if (at == 0 || converterOutput[at - 1] == '\n' || converterOutput[at - 1] == '\r') start = at;
    }
    if (start == std::string_view::npos) return std::nullopt;
    const std::string_view rest = converterOutput.substr(start + kLineStart.size());
    const std::size_t end = rest.find_first_of("\r\n");
    return Unescaped(rest.substr(0, end));
}

}  // namespace tavoclip
