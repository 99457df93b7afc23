#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavoclip {

enum class FormatKind { Video,
                        AudioOnly };
enum class AudioList { General,
                       Amr };

// One output format. The command-line options are a template in which {V},
// {Z} and {A} stand for the video bitrate, screen size and audio bitrate
// texts. The template is kept character for character (double spaces and the
// trailing " -ac 1 " included) because it is also the text the user sees.
struct OutputFormat {
    std::string_view listText;
    std::string_view shortName;
    std::string_view extension;
    FormatKind kind;
    bool usesVideoBitrate;
    bool usesScreenSize;
    bool usesAudioBitrate;
    AudioList audioList;
    std::string_view optionsTemplate;
};

// IMPORTANT: the index of a row is what setup.ini stores; add new formats at
// the bottom so that saved settings keep meaning the same format.
inline constexpr std::array<OutputFormat, 10> kOutputFormats{{
    {"MPG(Windows MPEG-1)", "MPG", ".mpg", FormatKind::Video, true, true, true, AudioList::General,
     " -y -b {V} -s {Z} -ab {A} "},
    {"WMV(Windows Media Video)", "WMV", ".wmv", FormatKind::Video, true, true, true, AudioList::General,
     " -y -vcodec wmv2 -acodec wmav2 -b {V} -s {Z} -ab {A} "},
    {"MOV(Quick Time Video)", "MOV", ".mov", FormatKind::Video, true, true, true, AudioList::General,
     " -y -b {V} -s {Z} -ab {A} "},
    {"AVI(MPEG4 AVI Format)", "AVI", ".avi", FormatKind::Video, true, true, true, AudioList::General,
     " -y -b {V} -s {Z} -ab {A} "},
    {"MP4(iPod/PSP MPEG4 Video)", "MP4", ".mp4", FormatKind::Video, true, true, true, AudioList::General,
     " -y -b {V} -s {Z} -ab {A} "},
    {"3GP(CellPhone Video)", "3GP", ".3gp", FormatKind::Video, true, true, true, AudioList::Amr,
     " -y -b {V} -s {Z} -acodec libamr_nb -ac 1 -ar 8000 -ab {A} "},
    {"MP3(Audio Only)", "MP3", ".mp3", FormatKind::AudioOnly, false, false, true, AudioList::General,
     " -y -vn -ab {A} "},
    {"AMR(Ringtone Audio)", "AMR", ".amr", FormatKind::AudioOnly, false, false, true, AudioList::Amr,
     " -y -vn -ar 8000 -ab {A} -ac 1 "},
    {"WMA(Windows Media Audio)", "WMA", ".wma", FormatKind::AudioOnly, false, false, true, AudioList::General,
     " -y -vn  -acodec wmav1 -ab {A} "},
    {"WAV(Wav Audio Format)", "WAV", ".wav", FormatKind::AudioOnly, false, false, true, AudioList::General,
     " -y -vn  -ab {A} "},
}};

inline constexpr std::array<std::string_view, 9> kVideoBitrates{
    "64k", "80k", "96k", "112k", "128k", "192k", "224k", "256k", "320k"};

// Not sorted by area: "480x480" stands between "640x272" and "640x360".
inline constexpr std::array<std::string_view, 12> kScreenSizes{
    "128x96", "160x120", "176x144", "320x180", "320x240", "352x288",
    "640x272", "480x480", "640x360", "640x480", "720x306", "720x320"};

// The fifth entry is "196k" (not 192k as in the video list); the converter
// maps it to a rate the encoder takes.
inline constexpr std::array<std::string_view, 7> kGeneralAudioBitrates{
    "64k", "80k", "96k", "128k", "196k", "256k", "320k"};

inline constexpr std::array<std::string_view, 8> kAmrAudioBitrates{
    "4.75k", "5.15k", "5.9k", "6.7k", "7.4k", "7.95k", "10.2k", "12.2k"};

std::span<const std::string_view> AudioBitrateList(AudioList list);

// The row for a format index, or nullptr when the index names no format.
const OutputFormat* FindOutputFormat(int formatIndex);

// Finds a format by its list text, its short name ("MP4", any letter case) or
// its index written in decimal; nullopt when nothing matches.
std::optional<int> FindFormatIndex(std::string_view nameOrIndex);

// What the format-change rule leaves in the three other lists.
struct FormatChangeResult {
    AudioList audioList;
    int audioBitrateIndex;
    int screenSizeIndex;
    int videoBitrateIndex;
};

// The format-change rule: it never looks at the previous format, so any choice
// in the three other lists is replaced on every change, also between two video
// formats. AMR and 3GP switch the audio list to the AMR bitrates.
FormatChangeResult ApplyFormatChange(int formatIndex);

// The main window's selections in their saved form (setup.ini, line order).
// The defaults are what a first start shows once the format-change rule has
// run for MPG; an empty folder means "the program folder's output".
struct MainSettings {
    std::int16_t videoBitrateIndex = 4;
    std::int16_t screenSizeIndex = 4;
    std::int16_t audioBitrateIndex = 3;
    std::string outputFolder;
    std::int16_t outputFormatIndex = 0;
    bool operator==(const MainSettings&) const = default;
};

// The options dialog's record (options.ini, line order). Only "is not 0" is
// ever asked of musicCutterEnabled, and only "is 0" of completionSoundIndex.
struct ConversionOptions {
    std::int16_t completionSoundIndex = 0;
    std::int16_t musicCutterEnabled = 0;
    std::int32_t cutStartSeconds = 0;
    std::int32_t cutLengthSeconds = 0;
    // The cut to the millisecond, when it was given with a fraction of a
    // second (the headless command's --cut; the dialog gives whole seconds
    // and leaves these empty). The converter then receives them instead;
    // the whole-second fields above keep their rounded values for the rest.
    // Not stored in options.ini.
    std::optional<double> exactCutStart = std::nullopt;
    std::optional<double> exactCutLength = std::nullopt;

    bool soundOn() const { return completionSoundIndex == 0; }
    bool cutterOn() const { return musicCutterEnabled != 0; }
    bool operator==(const ConversionOptions&) const = default;
};

}  // namespace tavoclip
