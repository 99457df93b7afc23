#include "OutputCheck.h"

#include <algorithm>
#include <cstdio>

namespace tavoclip {

double AllowedShortfall(double expectedSeconds)
{
    return std::max(0.1, std::min(0.5, expectedSeconds / 10));
}

std::string CheckWrittenOutput(const ExpectedOutput& expected, const WrittenOutput& written)
{
    if (expected.video && !written.video) return "ffmpeg wrote no video stream";
    if (expected.audio && !written.audio) return "ffmpeg wrote no audio stream";
    if (expected.seconds <= 0 || expected.mayEndEarly) return {};
    if (written.seconds >= expected.seconds - AllowedShortfall(expected.seconds)) return {};
    char text[120];
    std::snprintf(text, sizeof text, "ffmpeg stopped early: the output lasts %.2fs of the %.2fs asked for",
                  written.seconds, expected.seconds);
    return text;
}

bool FellShort(const ExpectedOutput& expected, const WrittenOutput& written)
{
    return expected.seconds > 0 && written.seconds < expected.seconds - AllowedShortfall(expected.seconds);
}

ExpectedOutput ExpectUpTo(ExpectedOutput expected, double sourceEnd, double cutStart)
{
    expected.seconds = std::min(expected.seconds, std::max(0.0, sourceEnd - cutStart));
    return expected;
}

bool SoundMayHaveEndedFirst(const ExpectedOutput& expected, const WrittenOutput& written)
{
    return expected.mayEndEarly && written.audio && FellShort(expected, written);
}

ExpectedOutput ExpectSoundWithin(SoundSpan sound, double cutStart, double cutLength)
{
    const double from = std::max(cutStart, sound.start);
    const double to = cutLength > 0 ? std::min(cutStart + cutLength, sound.end) : sound.end;
    return {false, true, std::max(0.0, to - from), false};
}

}  // namespace tavoclip
