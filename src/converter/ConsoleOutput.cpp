#include "ConsoleOutput.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tavoclip {

void ConsoleOutput::Write(std::FILE* stream, std::string_view line)
{
    // The other stream may share the same pipe: flush it first to keep order.
    std::fflush(stream == out_ ? err_ : out_);
    std::fwrite(line.data(), 1, line.size(), stream);
    std::fflush(stream);
}

void ConsoleOutput::Duration(double seconds)
{
    const long long centiseconds = std::llround(std::max(0.0, seconds) * 100);
    char line[64];
    std::snprintf(line, sizeof line, "Duration: %02lld:%02lld:%02lld.%02lld, \n", centiseconds / 360000,
                  centiseconds / 6000 % 60, centiseconds / 100 % 60, centiseconds % 100);
    Write(out_, line);
}

void ConsoleOutput::Time(double seconds)
{
    char line[48];
    std::snprintf(line, sizeof line, "time=%.2f \n", std::max(0.0, seconds));
    Write(out_, line);
}

void ConsoleOutput::Note(std::string_view text) { Write(out_, "conv: " + std::string(text) + "\n"); }

void ConsoleOutput::Error(std::string_view text) { Write(err_, "conv: " + std::string(text) + "\n"); }

}  // namespace tavoclip
