#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include <QProcess>
#include <QTemporaryDir>

#include "SegmentedAmrEncoder.h"

using namespace tavoclip;

namespace {

constexpr std::size_t kSegmentSamples = SegmentedAmrEncoder::kSegmentFrames * AmrNbEncoder::kFrameSamples;

// Two tones and a little noise, as 8 kHz samples.
std::vector<std::int16_t> Sound(std::size_t samples)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> noise(-600, 600);
    std::vector<std::int16_t> sound(samples);
    for (std::size_t i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / AmrNbEncoder::kSampleRate;
        sound[i] = static_cast<std::int16_t>(5000 * std::sin(2 * M_PI * 440 * t) + 3000 * std::sin(2 * M_PI * 220 * t) +
                                             noise(random));
    }
    return sound;
}

std::string LittleEndian(const std::vector<std::int16_t>& sound)
{
    std::string pcm;
    for (const std::int16_t sample : sound) {
        pcm += static_cast<char>(sample & 0xff);
        pcm += static_cast<char>((sample >> 8) & 0xff);
    }
    return pcm;
}

std::string EncodeInPieces(const std::string& pcm, AmrNbMode mode, unsigned threads, std::size_t pieceSize)
{
    SegmentedAmrEncoder encoder(mode, threads);
    EXPECT_TRUE(encoder.valid());
    std::string amr;
    for (std::size_t at = 0; at < pcm.size(); at += pieceSize) amr += encoder.Encode(pcm.substr(at, pieceSize));
    amr += encoder.Finish();
    EXPECT_EQ(encoder.samplesEncoded(), static_cast<std::int64_t>(pcm.size() / 2));
    return amr;
}

// FFmpeg's own AMR-NB decoder, as a player would hear the file.
std::vector<std::int16_t> Decode(const std::string& amr)
{
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-nostdin", "-v", "error", "-f", "amr", "-i", "pipe:0", "-f", "s16le", "pipe:1"});
    ffmpeg.write(amr.data(), static_cast<qint64>(amr.size()));
    ffmpeg.closeWriteChannel();
    ffmpeg.waitForFinished(30000);
    const QByteArray bytes = ffmpeg.readAllStandardOutput();
    std::vector<std::int16_t> sound(static_cast<std::size_t>(bytes.size()) / 2);
    std::memcpy(sound.data(), bytes.constData(), sound.size() * 2);
    return sound;
}

// Signal-to-noise ratio of the decoded window [from, from + length) against
// the source, at the codec delay that suits it best.
double WindowSnr(const std::vector<std::int16_t>& source, const std::vector<std::int16_t>& decoded, std::size_t from,
                 std::size_t length)
{
    double best = -100;
    for (std::size_t delay = 0; delay <= 80; ++delay) {
        double signal = 0;
        double noise = 0;
        for (std::size_t i = from; i < from + length && i + delay < decoded.size(); ++i) {
            signal += double(source[i]) * source[i];
            noise += std::pow(double(source[i]) - decoded[i + delay], 2);
        }
        best = std::max(best, 10 * std::log10(signal / std::max(noise, 1.0)));
    }
    return best;
}

}  // namespace

TEST(SegmentedAmrEncoderTest, AShortSoundIsTheSingleEncodersStream)
{
    for (const std::size_t samples : {std::size_t{0}, std::size_t{1000}, kSegmentSamples}) {
        const std::string pcm = LittleEndian(Sound(samples));
        AmrNbEncoder single(AmrNbMode::Mr795);
        std::string expected = single.Encode(pcm);
        expected += single.Finish();
        EXPECT_TRUE(EncodeInPieces(pcm, AmrNbMode::Mr795, 2, 999) == expected) << samples;
    }
}

// The cut into segments depends on the sound alone, and each segment's
// encoder on nothing but its own samples.
TEST(SegmentedAmrEncoderTest, TheSameBytesWhateverTheThreadsAndPieces)
{
    const std::size_t samples = 3 * kSegmentSamples + 1234;
    const std::string pcm = LittleEndian(Sound(samples));
    const std::string oneThread = EncodeInPieces(pcm, AmrNbMode::Mr122, 1, pcm.size());
    EXPECT_TRUE(EncodeInPieces(pcm, AmrNbMode::Mr122, 4, 333) == oneThread);
    EXPECT_TRUE(EncodeInPieces(pcm, AmrNbMode::Mr122, 2, 65536) == oneThread);
    ASSERT_TRUE(oneThread.starts_with("#!AMR\n"));
    EXPECT_EQ(oneThread.find("#!AMR", 1), std::string::npos) << "one header";
    const std::size_t frames = (samples + AmrNbEncoder::kFrameSamples - 1) / AmrNbEncoder::kFrameSamples;
    EXPECT_EQ(oneThread.size(), 6 + frames * 32);  // 12.2 kbit/s frames are 32 bytes
}

// A muxing FFmpeg starts on the picture only once it has the first frames:
// they come out as soon as their samples are in, long before the first
// segment is whole, and the file is still the same bytes.
TEST(SegmentedAmrEncoderTest, TheFirstFramesComeOutAtOnce)
{
    const std::string pcm = LittleEndian(Sound(2 * kSegmentSamples + 500));
    const std::string whole = EncodeInPieces(pcm, AmrNbMode::Mr122, 1, pcm.size());
    const std::size_t frameBytes = AmrNbEncoder::kFrameSamples * 2;
    SegmentedAmrEncoder encoder(AmrNbMode::Mr122, 2);
    std::string amr = encoder.Encode(pcm.substr(0, 3 * frameBytes + 7));
    EXPECT_EQ(amr.size(), 6 + 3 * 32u) << "the header and three frames";
    amr += encoder.Encode(pcm.substr(3 * frameBytes + 7, 40 * frameBytes));
    EXPECT_GE(amr.size(), 6 + SegmentedAmrEncoder::kLeadFrames * 32);
    amr += encoder.Encode(pcm.substr(43 * frameBytes + 7));
    amr += encoder.Finish();
    EXPECT_TRUE(amr == whole);
    EXPECT_EQ(encoder.samplesEncoded(), static_cast<std::int64_t>(pcm.size() / 2));
}

// Right after a seam the sound is as close to the source as in the middle of
// a segment: the warm-up leaves no click. Without it the first frames after
// each seam fall 10 dB and more below the rest.
TEST(SegmentedAmrEncoderTest, SeamsCannotBeHeard)
{
    const std::vector<std::int16_t> source = Sound(4 * kSegmentSamples + 800);
    for (const AmrNbMode mode : {AmrNbMode::Mr475, AmrNbMode::Mr122}) {
        const std::vector<std::int16_t> decoded = Decode(EncodeInPieces(LittleEndian(source), mode, 2, 4096));
        ASSERT_GE(decoded.size(), source.size());
        double atSeams = 0;
        double within = 0;
        for (std::size_t seam = kSegmentSamples; seam < source.size() - kSegmentSamples / 2; seam += kSegmentSamples) {
            atSeams += WindowSnr(source, decoded, seam, 800) / 4;
            within += WindowSnr(source, decoded, seam + kSegmentSamples / 2, 800) / 4;
        }
        EXPECT_GE(atSeams, within - 2) << "mode " << static_cast<int>(mode);
    }
}
