#pragma once

#include <string>

namespace tavoclip {

// What a conversion says it has written: the kinds of stream in the output
// and the output's length (the end of its longest stream), in seconds.
struct WrittenOutput {
    bool video = false;
    bool audio = false;
    double seconds = 0;
};

// What the output must hold to count as converted.
struct ExpectedOutput {
    bool video = false;
    bool audio = false;
    double seconds = 0;        // the source's length or the cut; 0 when unknown
    bool mayEndEarly = false;  // sound alone from a source with a picture: the sound may end first
};

// Where the sound lies on the source's clock, in seconds from its start.
struct SoundSpan {
    double start = 0;
    double end = 0;
};

// How much shorter than expected an output may be: half a second, or a tenth
// of the length for short files, but never less than a tenth of a second (a
// codec's frame and the muxer's rounding).
double AllowedShortfall(double expectedSeconds);

// Empty when the output holds every stream asked for and is long enough;
// otherwise one line that says what is wrong.
std::string CheckWrittenOutput(const ExpectedOutput& expected, const WrittenOutput& written);

// Whether the output is shorter than expected by more than AllowedShortfall.
bool FellShort(const ExpectedOutput& expected, const WrittenOutput& written);

// What the output must hold when the source's packets end at sourceEnd (on
// its clock): no more than lies between the cut's start and that end.
ExpectedOutput ExpectUpTo(ExpectedOutput expected, double sourceEnd, double cutStart);

// Sound alone from a source with a picture, shorter than what was asked: the
// sound may simply end before the picture does, or FFmpeg may have stopped
// early. Only the sound's own span can tell which.
bool SoundMayHaveEndedFirst(const ExpectedOutput& expected, const WrittenOutput& written);

// What such an output must hold once the sound's span is known: the sound
// that lies within the cut [cutStart, cutStart + cutLength), or from
// cutStart on when cutLength is 0.
ExpectedOutput ExpectSoundWithin(SoundSpan sound, double cutStart, double cutLength);

}  // namespace tavoclip
