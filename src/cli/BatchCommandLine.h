#pragma once

#include <QCommandLineParser>
#include <QStringList>

#include <cstdint>
#include <optional>

#include <string>
#include <vector>

#include "BatchView.h"
#include "OutputFormat.h"

namespace tavoclip {

enum class BatchAction { Convert,
                         Help,
                         Version,
                         List,
                         Refused };

// Everything one run of the headless command converts with.
struct BatchRequest {
    std::vector<std::string> paths;
    BatchSelections selections;
    std::string outputFolder;               // empty: the current folder
    ConversionOptions options{1, 0, 0, 0};  // no completion sound unless asked
    std::string converter;                  // empty: data/conv beside the program
    bool dryRun = false;
    bool printJobs = false;    // print a shell command per file; run nothing
    int jobs = 1;              // conversions at once; 0 on the command line means one per core
    bool overwrite = false;    // replace files already in the output folder
    bool keepFolders = false;  // files of a folder go below the output folder as they lay below it
};

// Reads the headless command's arguments. Choosing a format applies the
// format-change rule first; explicit bitrates and size then override it,
// each checked against its list. Anything refused leaves a message naming
// the allowed values.
class BatchCommandLine {
public:
    static constexpr int kRefusedStatus = 2;

    // arguments include the program name first. Words that are not valid
    // UTF-8 come decoded by DecodeRawText, so paths keep their exact bytes.
    BatchAction Parse(const QStringList& arguments);

    const BatchRequest& request() const { return request_; }
    // The refusal, or the help text.
    const std::string& message() const { return message_; }

    // The formats with their short names and the value lists, for --list.
    static std::string FormatList();

private:
    bool TakeCut(QStringList& arguments);
    bool SetCut(const std::string& startText, const std::string& lengthText);
    bool ApplyValues(const QCommandLineParser& parser);
    bool TakeJobs(const std::string& text);
    bool Refuse(std::string message);

    BatchRequest request_;
    std::string message_;
};

// Seconds as a plain number ("90", "12.5") or as h:m:s / m:s, fractions
// kept; nullopt when it is not such a time, is negative or is too large.
std::optional<double> ParseCutSeconds(const std::string& text);

}  // namespace tavoclip
