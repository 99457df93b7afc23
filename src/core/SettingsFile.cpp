#include "SettingsFile.h"

#include "NumberText.h"

namespace tavoclip {

std::optional<std::string> SettingsFieldReader::Next()
{
    if (pos_ >= content_.size())
        return std::nullopt;
    while (pos_ < content_.size() && content_[pos_] == ' ')
        ++pos_;
    std::string value;
    if (pos_ < content_.size() && content_[pos_] == '"') {
        ++pos_;
        value = ReadQuoted();
        SkipToValueEnd();
    } else {
        value = ReadBare();
    }
    if (pos_ < content_.size() && content_[pos_] == ',')
        ++pos_;
    else
        ConsumeLineEnd();
    return value;
}

std::string SettingsFieldReader::ReadQuoted()
{
    std::string value;
    while (pos_ < content_.size()) {
        const char c = content_[pos_++];
        if (c != '"') {
            value += c;
            continue;
        }
        if (pos_ < content_.size() && content_[pos_] == '"') {
            value += '"';
            ++pos_;
            continue;
        }
        break;
    }
    return value;
}

std::string SettingsFieldReader::ReadBare()
{
    const std::size_t start = pos_;
    while (pos_ < content_.size() && content_[pos_] != ',' && !AtLineEnd())
        ++pos_;
    return std::string(content_.substr(start, pos_ - start));
}

void SettingsFieldReader::SkipToValueEnd()
{
    while (pos_ < content_.size() && content_[pos_] != ',' && !AtLineEnd())
        ++pos_;
}

bool SettingsFieldReader::AtLineEnd() const
{
    return content_[pos_] == '\r' || content_[pos_] == '\n';
}

void SettingsFieldReader::ConsumeLineEnd()
{
    if (pos_ < content_.size() && content_[pos_] == '\r')
        ++pos_;
    if (pos_ < content_.size() && content_[pos_] == '\n')
        ++pos_;
}

std::optional<int> ReadIndexValue(std::string_view value)
{
    const std::optional<double> number = ParseNumber(value);
    if (!number)
        return std::nullopt;
    const std::optional<std::int32_t> index = ToInt32(*number);
    if (!index)
        return std::nullopt;
    return *index;
}

SavedMainSettings ReadSetupIni(std::string_view content)
{
    SettingsFieldReader reader(content);
    SavedMainSettings saved;
    const auto nextIndex = [&reader]() -> std::optional<int> {
        const std::optional<std::string> value = reader.Next();
        return value ? ReadIndexValue(*value) : std::nullopt;
    };
    saved.videoBitrateIndex = nextIndex();
    saved.screenSizeIndex = nextIndex();
    saved.audioBitrateIndex = nextIndex();
    saved.outputFolder = reader.Next();
    saved.outputFormatIndex = nextIndex();
    return saved;
}

namespace {

std::string QuotedLine(std::string_view value)
{
    std::string line = "\"";
    for (const char c : value) {
        if (c == '"')
            line += '"';
        line += c;
    }
    return line + "\"\r\n";
}

template <typename Field, typename Convert>
void ReadOptionField(SettingsFieldReader& reader, Field& field, Convert convert)
{
    const std::optional<std::string> value = reader.Next();
    if (!value)
        return;
    if (const auto converted = convert(LeadingNumber(*value)))
        field = *converted;
}

}  // namespace

std::string WriteSetupIni(const MainSettings& settings)
{
    return QuotedLine(std::to_string(settings.videoBitrateIndex)) +
           QuotedLine(std::to_string(settings.screenSizeIndex)) +
           QuotedLine(std::to_string(settings.audioBitrateIndex)) + QuotedLine(settings.outputFolder) +
           QuotedLine(std::to_string(settings.outputFormatIndex));
}

ConversionOptions ReadOptionsIni(std::string_view content, ConversionOptions current)
{
    SettingsFieldReader reader(content);
    ReadOptionField(reader, current.completionSoundIndex, ToInt16);
    ReadOptionField(reader, current.musicCutterEnabled, ToInt16);
    ReadOptionField(reader, current.cutStartSeconds, ToInt32);
    ReadOptionField(reader, current.cutLengthSeconds, ToInt32);
    return current;
}

std::string WriteOptionsIni(const ConversionOptions& options)
{
    return std::to_string(options.completionSoundIndex) + "\r\n" + std::to_string(options.musicCutterEnabled) +
           "\r\n" + std::to_string(options.cutStartSeconds) + "\r\n" + std::to_string(options.cutLengthSeconds) +
           "\r\n";
}

}  // namespace tavoclip
