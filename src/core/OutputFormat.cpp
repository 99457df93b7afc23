#include "OutputFormat.h"

#include <algorithm>
#include <cctype>

namespace tavoclip {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

std::optional<int> ParseIndex(std::string_view text)
{
    if (text.empty() || text.size() > 2) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::span<const std::string_view> AudioBitrateList(AudioList list)
{
    if (list == AudioList::Amr) return kAmrAudioBitrates;
    return kGeneralAudioBitrates;
}

const OutputFormat* FindOutputFormat(int formatIndex)
{
    if (formatIndex < 0 || formatIndex >= static_cast<int>(kOutputFormats.size())) return nullptr;
    return &kOutputFormats[static_cast<std::size_t>(formatIndex)];
}

std::optional<int> FindFormatIndex(std::string_view nameOrIndex)
{
    for (std::size_t i = 0; i < kOutputFormats.size(); ++i) {
        const OutputFormat& format = kOutputFormats[i];
        if (nameOrIndex == format.listText || EqualsIgnoringCase(nameOrIndex, format.shortName))
            return static_cast<int>(i);
    }
    const auto index = ParseIndex(nameOrIndex);
    if (index && FindOutputFormat(*index)) return index;
    return std::nullopt;
}

FormatChangeResult ApplyFormatChange(int formatIndex)
{
    const OutputFormat* format = FindOutputFormat(formatIndex);
    if (format && format->audioList == AudioList::Amr)
        return {AudioList::Amr, 0, 2, 4};  // "4.75k", "176x144", "128k"
    return {AudioList::General, 3, 4, 4};  // "128k", "320x240", "128k"
}

}  // namespace tavoclip
