#include "ConverterCommand.h"

#include <cstdio>

namespace tavoclip {
namespace {

constexpr char kQuote = '"';

std::string Quoted(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + 2);
    result += kQuote;
    result += text;
    result += kQuote;
    return result;
}

// The folder prefix of the output: the folder text plus one separator unless
// it already ends with one; an empty folder gives just the separator.
std::string OutputFolderPrefix(std::string_view folder, PathStyle style)
{
    std::string prefix(folder);
    if (prefix.empty() || prefix.back() != PathSeparator(style)) prefix += PathSeparator(style);
    return prefix;
}

std::string_view Placeholder(std::string_view token, const ConversionRequest& request)
{
    if (token == "{V}") return request.videoBitrate;
    if (token == "{Z}") return request.screenSize;
    if (token == "{A}") return request.audioBitrate;
    return token;
}

// Fills the format's options template. The text keeps every space of the
// template; the arguments come from the template's own words, so a value
// holding a space still stays one argument.
void AppendFormatOptions(std::string_view optionsTemplate, const ConversionRequest& request,
                         ConverterCommand& command)
{
    std::size_t pos = 0;
    while (pos < optionsTemplate.size()) {
        if (optionsTemplate[pos] == ' ') {
            command.text += ' ';
            ++pos;
            continue;
        }
        std::size_t end = optionsTemplate.find(' ', pos);
        if (end == std::string_view::npos) end = optionsTemplate.size();
        const std::string_view value = Placeholder(optionsTemplate.substr(pos, end - pos), request);
        command.text += value;
        command.arguments.emplace_back(value);
        pos = end;
    }
}

// Whole seconds as plain digits; an exact value to the millisecond, without
// trailing zeros ("1.5", "2").
std::string CutText(std::int32_t whole, const std::optional<double>& exact)
{
    if (!exact) return std::to_string(whole);
    char text[48];
    std::snprintf(text, sizeof text, "%.3f", *exact);
    std::string result = text;
    result.erase(result.find_last_not_of('0') + 1);
    if (result.ends_with('.')) result.pop_back();
    return result;
}

void AppendCut(const ConversionOptions& options, ConverterCommand& command)
{
    if (!options.cutterOn()) return;
    const std::string start = CutText(options.cutStartSeconds, options.exactCutStart);
    const std::string length = CutText(options.cutLengthSeconds, options.exactCutLength);
    command.text += " -ss " + start + " -t " + length;
    command.arguments.insert(command.arguments.end(), {"-ss", start, "-t", length});
}

}  // namespace

char PathSeparator(PathStyle) { return '/'; }

std::string ConverterPath(std::string_view programFolder, PathStyle)
{
    std::string path(programFolder);
    path += "/data/conv";
    return path;
}

std::string GetFileName(std::string_view path, PathStyle style)
{
    const std::size_t separator = path.rfind(PathSeparator(style));
    if (separator == std::string_view::npos) return std::string(path);
    return std::string(path.substr(separator + 1));
}

std::string GetBaseName(std::string_view path, PathStyle style)
{
    const std::string name = GetFileName(path, style);
    return name.substr(0, name.find('.'));
}

ConverterCommand BuildConverterCommand(const ConversionRequest& request, PathStyle style)
{
    const OutputFormat* format = FindOutputFormat(request.formatIndex);
    if (!format) return {};

    ConverterCommand command;
    command.outputPath = OutputFolderPrefix(request.outputFolder, style) +
                         GetBaseName(request.sourcePath, style) + std::string(format->extension);

    const std::string converter = ConverterPath(request.programFolder, style);
    command.text = converter + " -i " + Quoted(request.sourcePath);
    command.arguments = {converter, "-i", request.sourcePath};
    AppendCut(request.options, command);
    AppendFormatOptions(format->optionsTemplate, request, command);
    command.text += Quoted(command.outputPath);
    command.arguments.push_back(command.outputPath);
    return command;
}

void SetOutputPath(ConverterCommand& command, const std::string& outputPath)
{
    if (command.empty()) return;
    const std::string oldEnd = Quoted(command.outputPath);
    if (command.text.ends_with(oldEnd)) command.text.resize(command.text.size() - oldEnd.size());
    command.text += Quoted(outputPath);
    command.arguments.back() = outputPath;
    command.outputPath = outputPath;
}

void AllowReplacing(ConverterCommand& command)
{
    if (command.empty()) return;
    const std::string end = Quoted(command.outputPath);
    if (command.text.ends_with(end)) command.text.insert(command.text.size() - end.size(), "-overwrite ");
    command.arguments.insert(command.arguments.end() - 1, "-overwrite");
}

}  // namespace tavoclip
