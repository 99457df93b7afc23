#include "BatchCommandLine.h"

#include <cmath>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QThread>

#include <algorithm>

#include <optional>
#include <span>
#include <sstream>

#include "NumberText.h"
#include "RawText.h"

namespace tavoclip {
namespace {

std::string Join(std::span<const std::string_view> values)
{
    std::string text;
    for (std::string_view value : values) text += (text.empty() ? "" : ", ") + std::string(value);
    return text;
}

std::string ShortNames()
{
    std::string text;
    for (const OutputFormat& format : kOutputFormats) text += (text.empty() ? "" : ", ") + std::string(format.shortName);
    return text;
}

// The index of text in values, or nullopt.
std::optional<int> IndexIn(std::span<const std::string_view> values, const std::string& text)
{
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] == text) return static_cast<int>(i);
    }
    return std::nullopt;
}

void AddOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("BatchCommandLine", "Converts video files with the Tavoclip converter, one after another."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("PATH", QCoreApplication::translate("BatchCommandLine", "Files to convert; folders are searched with all their subfolders."),
                                 "PATH...");
    parser.addOptions({
        {{"f", "format"}, QCoreApplication::translate("BatchCommandLine", "Output format: its list text, short name (MP4) or index."), "FORMAT"},
        {{"b", "video-bitrate"}, QCoreApplication::translate("BatchCommandLine", "Video bitrate, such as 256k."), "RATE"},
        {{"s", "size"}, QCoreApplication::translate("BatchCommandLine", "Screen size, such as 320x240."), "SIZE"},
        {{"a", "audio-bitrate"}, QCoreApplication::translate("BatchCommandLine", "Audio bitrate, such as 128k."), "RATE"},
        {{"o", "output"}, QCoreApplication::translate("BatchCommandLine", "Output folder (default: the current folder)."), "DIR"},
        {"cut", QCoreApplication::translate("BatchCommandLine", "Convert only LENGTH from START of every source (seconds or h:m:s)."), "START LENGTH"},
        {"sound", QCoreApplication::translate("BatchCommandLine", "Play the completion sound at the end.")},
        {"no-sound", QCoreApplication::translate("BatchCommandLine", "Play no completion sound (the default).")},
        {"converter", QCoreApplication::translate("BatchCommandLine", "The converter to run, and how --print-jobs names it (default: data/conv beside this program)."),
         "PATH"},
        {{"n", "dry-run"}, QCoreApplication::translate("BatchCommandLine", "Print each converter command line; run nothing.")},
        {{"j", "jobs"}, QCoreApplication::translate("BatchCommandLine", "Convert up to N files at once; 0 means one per core (default 1)."), "N"},
        {"print-jobs", QCoreApplication::translate("BatchCommandLine", "Print one POSIX shell command per file, for running elsewhere; run nothing.")},
        {"overwrite",
         QCoreApplication::translate("BatchCommandLine",
                                     "Replace a file already in the output folder instead of writing NAME (2).EXT beside it "
                                     "(never a source, never another output of the same run).")},
        {"keep-folders",
         QCoreApplication::translate("BatchCommandLine",
                                     "Put the files found in a folder below the output folder at the same path they have "
                                     "below that folder.")},
        {"list", QCoreApplication::translate("BatchCommandLine", "List the formats and the values each option takes.")},
    });
}

}  // namespace

std::optional<double> ParseCutSeconds(const std::string& text)
{
    double total = 0;
    std::istringstream fields(text);
    int count = 0;
    for (std::string field; std::getline(fields, field, ':');) {
        const std::optional<double> value = ParseNumber(field);
        if (!value || *value < 0 || ++count > 3) return std::nullopt;
        total = total * 60 + *value;
    }
    if (count == 0 || !ToInt32(std::ceil(total))) return std::nullopt;
    return total;
}

BatchAction BatchCommandLine::Parse(const QStringList& arguments)
{
    QStringList rest = arguments;
    if (!TakeCut(rest)) return BatchAction::Refused;
    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(rest)) {
        Refuse(parser.errorText().toStdString());
        return BatchAction::Refused;
    }
    if (parser.isSet("help")) {
        message_ = parser.helpText().toStdString();
        return BatchAction::Help;
    }
    if (parser.isSet("version")) return BatchAction::Version;
    if (parser.isSet("list")) return BatchAction::List;
    if (!ApplyValues(parser)) return BatchAction::Refused;
    for (const QString& path : parser.positionalArguments()) request_.paths.push_back(EncodeRawText(path));
    if (request_.paths.empty()) {
        Refuse(QCoreApplication::translate("BatchCommandLine", "No PATH given: name the files or folders to convert (see --help).").toStdString());
        return BatchAction::Refused;
    }
    return BatchAction::Convert;
}

// "--cut START LENGTH" and "--cut=START LENGTH" take two values, which the
// option parser cannot express; they are taken out before the parser sees
// the rest. A later --cut replaces an earlier one; after "--" every word is
// a path.
bool BatchCommandLine::TakeCut(QStringList& arguments)
{
    for (qsizetype at = 1; at < arguments.size() && arguments[at] != "--";) {
        QStringList values;
        if (arguments[at] == "--cut") {
            values = arguments.mid(at + 1, 2);
        } else if (arguments[at].startsWith("--cut=")) {
            values = QStringList{arguments[at].mid(6)} + arguments.mid(at + 1, 1);
        } else {
            ++at;
            continue;
        }
        if (values.size() < 2) return Refuse(QCoreApplication::translate("BatchCommandLine", "--cut needs START and LENGTH.").toStdString());
        if (!SetCut(values[0].toStdString(), values[1].toStdString())) return false;
        arguments.remove(at, arguments[at] == "--cut" ? 3 : 2);
    }
    return true;
}

bool BatchCommandLine::SetCut(const std::string& startText, const std::string& lengthText)
{
    const std::optional<double> start = ParseCutSeconds(startText);
    const std::optional<double> length = ParseCutSeconds(lengthText);
    if (!start || !length || *length <= 0) {
        return Refuse(QCoreApplication::translate("BatchCommandLine", "--cut takes a START of 0 or more and a LENGTH above 0, in seconds or h:m:s.").toStdString());
    }
    // A fraction of a second goes to the converter as it was given. Progress
    // counts whole seconds: the length is rounded up, so that a cut under a
    // second still has a length.
    ConversionOptions& options = request_.options;
    options.musicCutterEnabled = 1;
    options.cutStartSeconds = static_cast<std::int32_t>(std::floor(*start));
    options.cutLengthSeconds = static_cast<std::int32_t>(std::ceil(*length));
    options.exactCutStart = *start == std::floor(*start) ? std::nullopt : start;
    options.exactCutLength = *length == std::floor(*length) ? std::nullopt : length;
    return true;
}

bool BatchCommandLine::ApplyValues(const QCommandLineParser& parser)
{
    int formatIndex = 0;
    if (parser.isSet("format")) {
        const std::optional<int> found = FindFormatIndex(parser.value("format").toStdString());
        if (!found) return Refuse(QCoreApplication::translate("BatchCommandLine", "Unknown format \"%1\". Allowed: %2, their list texts, or 0 to 9.").arg(parser.value("format"), QString::fromStdString(ShortNames())).toStdString());
        formatIndex = *found;
    }
    const FormatChangeResult rule = ApplyFormatChange(formatIndex);
    const auto audioList = AudioBitrateList(rule.audioList);
    BatchSelections& selections = request_.selections;
    selections = {formatIndex, std::string(kVideoBitrates[rule.videoBitrateIndex]),
                  std::string(kScreenSizes[rule.screenSizeIndex]), std::string(audioList[rule.audioBitrateIndex])};

    const struct {
        const char* option;
        const char* what;
        std::span<const std::string_view> values;
        std::string& target;
    } checks[] = {{"video-bitrate", QT_TRANSLATE_NOOP("BatchCommandLine", "Video bitrate"), kVideoBitrates, selections.videoBitrate},
                  {"size", QT_TRANSLATE_NOOP("BatchCommandLine", "Screen size"), kScreenSizes, selections.screenSize},
                  {"audio-bitrate", QT_TRANSLATE_NOOP("BatchCommandLine", "Audio bitrate"), audioList, selections.audioBitrate}};
    for (const auto& check : checks) {
        if (!parser.isSet(check.option)) continue;
        const std::string value = parser.value(check.option).toStdString();
        if (!IndexIn(check.values, value)) {
            return Refuse(QCoreApplication::translate("BatchCommandLine", "%1 \"%2\" is not allowed here. Allowed: %3.").arg(QCoreApplication::translate("BatchCommandLine", check.what), QString::fromStdString(value), QString::fromStdString(Join(check.values))).toStdString());
        }
        check.target = value;
    }
    if (parser.isSet("output")) request_.outputFolder = EncodeRawText(parser.value("output"));
    if (parser.isSet("converter")) request_.converter = EncodeRawText(parser.value("converter"));
    if (parser.isSet("sound") && !parser.isSet("no-sound")) request_.options.completionSoundIndex = 0;
    request_.dryRun = parser.isSet("dry-run");
    request_.printJobs = parser.isSet("print-jobs");
    request_.overwrite = parser.isSet("overwrite");
    request_.keepFolders = parser.isSet("keep-folders");
    return !parser.isSet("jobs") || TakeJobs(parser.value("jobs").toStdString());
}

bool BatchCommandLine::TakeJobs(const std::string& text)
{
    const bool digits = !text.empty() && text.size() <= 6 && text.find_first_not_of("0123456789") == std::string::npos;
    if (!digits) return Refuse(QCoreApplication::translate("BatchCommandLine", "--jobs takes a whole number: 1 or more, or 0 for one per core.").toStdString());
    request_.jobs = std::stoi(text);
    if (request_.jobs == 0) request_.jobs = std::max(1, QThread::idealThreadCount());
    return true;
}

bool BatchCommandLine::Refuse(std::string message)
{
    message_ = std::move(message);
    return false;
}

namespace {

// What a format uses, in the user's language.
std::string FormatUses(const OutputFormat& format)
{
    const bool amr = format.audioList == AudioList::Amr;
    QString uses;
    if (format.usesVideoBitrate)
        uses = amr ? QCoreApplication::translate("BatchCommandLine", "video bitrate, size, AMR audio bitrate")
                   : QCoreApplication::translate("BatchCommandLine", "video bitrate, size, audio bitrate");
    else
        uses = amr ? QCoreApplication::translate("BatchCommandLine", "AMR audio bitrate")
                   : QCoreApplication::translate("BatchCommandLine", "audio bitrate");
    return uses.toStdString();
}

// A heading of the list and the values it names.
std::string ValuesLine(const QString& heading, const std::string& values)
{
    return heading.toStdString() + " " + values + "\n";
}

}  // namespace

// The words are translated; the format names and values are what the
// options take, and stay as they are.
std::string BatchCommandLine::FormatList()
{
    std::string text =
        QCoreApplication::translate("BatchCommandLine", "Formats (index, short name, list text, what it uses):")
            .toStdString() +
        "\n";
    for (std::size_t i = 0; i < kOutputFormats.size(); ++i) {
        const OutputFormat& format = kOutputFormats[i];
        text += "  " + std::to_string(i) + "  " + std::string(format.shortName) + "  " + std::string(format.listText) +
                "  (" + FormatUses(format) + ")\n";
    }
    text += ValuesLine(QCoreApplication::translate("BatchCommandLine", "Video bitrates:"), Join(kVideoBitrates));
    text += ValuesLine(QCoreApplication::translate("BatchCommandLine", "Screen sizes:"), Join(kScreenSizes));
    text += ValuesLine(QCoreApplication::translate("BatchCommandLine", "Audio bitrates:"), Join(kGeneralAudioBitrates));
    text += ValuesLine(QCoreApplication::translate("BatchCommandLine", "AMR audio bitrates:"), Join(kAmrAudioBitrates));
    return text;
}

}  // namespace tavoclip
