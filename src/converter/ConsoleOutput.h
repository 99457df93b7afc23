#pragma once

#include <cstdio>
#include <string_view>

namespace tavoclip {

// Everything conv prints. The window reads two fields from it: "Duration: "
// once, as HH:MM:SS.xx followed by a comma, and "time=" with the elapsed
// output time in plain seconds followed by a space. Every line is written and
// flushed whole, so a reader sees no half-written field from one write.
class ConsoleOutput {
public:
    ConsoleOutput(std::FILE* out, std::FILE* err) : out_(out), err_(err) {}

    void Duration(double seconds);
    void Time(double seconds);
    void Note(std::string_view text);
    void Error(std::string_view text);

private:
    void Write(std::FILE* stream, std::string_view line);

    std::FILE* out_;
    std::FILE* err_;
};

}  // namespace tavoclip
