#include "FileJudge.h"

#include <filesystem>
#include <system_error>

#include "WrittenOutputLine.h"

namespace tavoclip {
namespace {

// The last line the converter printed, for the failure report. Progress
// lines end in a carriage return, so both line ends split.
std::string LastLine(const std::string& output)
{
    const std::size_t end = output.find_last_not_of("\r\n \t");
    if (end == std::string::npos) return {};
    const std::size_t lineEnd = output.find_last_of("\r\n", end);
    const std::size_t start = lineEnd == std::string::npos ? 0 : lineEnd + 1;
    return output.substr(start, end + 1 - start);
}

std::uintmax_t FileSize(const std::string& path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(std::filesystem::path(path), error);
    return error ? 0 : size;
}

}  // namespace

FileOutcome JudgeFile(const std::string& source, const std::string& planned, int exitStatus,
                      const std::string& converterOutput)
{
    // The converter names the file it wrote when a name taken meanwhile
    // made it take the next one.
    const std::string output = FindWrittenOutput(converterOutput).value_or(planned);
    FileOutcome outcome{source, output, false, {}};
    if (exitStatus == -1) {
        outcome.reason = "the converter crashed";
    } else if (exitStatus != 0) {
        outcome.reason = "the converter exited with status " + std::to_string(exitStatus);
    } else if (FileSize(output) == 0) {
        outcome.reason = "the converter wrote no output file";
    } else {
        outcome.converted = true;
        return outcome;
    }
    const std::string last = LastLine(converterOutput);
    if (!last.empty()) outcome.reason += ": " + last;
    return outcome;
}

}  // namespace tavoclip
