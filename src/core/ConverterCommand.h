#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "OutputFormat.h"

namespace tavoclip {

// The path convention of the paths handed around: slashes as separators
// and data/conv as the converter, which is what this program runs.
enum class PathStyle { Posix };

// Everything one converter run depends on, read afresh for every source.
struct ConversionRequest {
    std::string programFolder;
    std::string sourcePath;
    std::string outputFolder;
    int formatIndex = 0;
    std::string videoBitrate;
    std::string screenSize;
    std::string audioBitrate;
    ConversionOptions options;
};

struct ConverterCommand {
    // The command line as the user sees it, every character fixed.
    std::string text;
    // What is executed: the converter, then each option and each path as
    // exactly one argument. Never re-split from text, never given to a shell.
    std::vector<std::string> arguments;
    std::string outputPath;

    bool empty() const { return arguments.empty(); }
};

// Builds the converter command for one source; an empty command when the
// format index names no format.
ConverterCommand BuildConverterCommand(const ConversionRequest& request, PathStyle style);

// Points a built command at another output path: the last argument, the
// quoted path that ends the text, and outputPath all change together.
void SetOutputPath(ConverterCommand& command, const std::string& outputPath);

// Adds the converter's "-overwrite" before the output path: an output
// already at that name is then replaced instead of kept.
void AllowReplacing(ConverterCommand& command);

// The path after its last separator (the whole path when there is none).
std::string GetFileName(std::string_view path, PathStyle style);

// The file name up to, not including, its first dot: "movie.part1.flv" gives
// "movie", ".hidden" gives "".
std::string GetBaseName(std::string_view path, PathStyle style);

// The path of the converter inside a program folder.
std::string ConverterPath(std::string_view programFolder, PathStyle style);

char PathSeparator(PathStyle style);

}  // namespace tavoclip
