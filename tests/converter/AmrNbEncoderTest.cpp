#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "AmrNbEncoder.h"

using namespace tavoclip;

namespace {

// Little-endian 16-bit samples of a 440 Hz tone at 8 kHz.
std::string Tone(int samples)
{
    std::string pcm;
    for (int i = 0; i < samples; ++i) {
        const auto value = static_cast<std::int16_t>(8000 * std::sin(2 * 3.14159265 * 440 * i / 8000.0));
        pcm += static_cast<char>(value & 0xff);
        pcm += static_cast<char>((value >> 8) & 0xff);
    }
    return pcm;
}

}  // namespace

TEST(AmrNbEncoderTest, PicksTheNearestOfTheEightModes)
{
    EXPECT_EQ(NearestAmrMode(4750).mode, AmrNbMode::Mr475);
    EXPECT_TRUE(NearestAmrMode(7950).exact);
    EXPECT_EQ(NearestAmrMode(10200).mode, AmrNbMode::Mr102);
    EXPECT_EQ(NearestAmrMode(7000).mode, AmrNbMode::Mr67);
    EXPECT_FALSE(NearestAmrMode(7000).exact);
    EXPECT_EQ(NearestAmrMode(128000).mode, AmrNbMode::Mr122);
    EXPECT_EQ(NearestAmrMode(1).mode, AmrNbMode::Mr475);
}

TEST(AmrNbEncoderTest, WritesTheHeaderOnceAndOneFramePer160Samples)
{
    AmrNbEncoder encoder(AmrNbMode::Mr122);
    ASSERT_TRUE(encoder.valid());
    std::string out = encoder.Encode(Tone(480));
    out += encoder.Finish();
    ASSERT_TRUE(out.starts_with("#!AMR\n"));
    // 12.2 kbit/s: one table-of-contents byte and 31 bytes of speech a frame.
    EXPECT_EQ(out.size(), 6u + 3 * 32);
    EXPECT_EQ(static_cast<unsigned char>(out[6]) >> 3 & 0x0f, 7);  // frame type 7 = 12.2k
    EXPECT_EQ(encoder.samplesEncoded(), 480);
}

TEST(AmrNbEncoderTest, PiecesOfAnySizeGiveTheSameStream)
{
    const std::string pcm = Tone(1000);
    AmrNbEncoder whole(AmrNbMode::Mr475);
    std::string expected = whole.Encode(pcm);
    expected += whole.Finish();

    AmrNbEncoder pieces(AmrNbMode::Mr475);
    std::string actual;
    for (std::size_t at = 0; at < pcm.size(); at += 77) actual += pieces.Encode(pcm.substr(at, 77));
    actual += pieces.Finish();
    EXPECT_EQ(actual, expected);
    // The last 40 samples are padded to a frame; the count keeps the real ones.
    EXPECT_EQ(pieces.samplesEncoded(), 1000);
    EXPECT_EQ(actual.size(), 6u + 7 * 13);  // 4.75 kbit/s frames are 13 bytes
}

TEST(AmrNbEncoderTest, EmptyInputIsAHeaderOnlyFile)
{
    AmrNbEncoder encoder(AmrNbMode::Mr795);
    EXPECT_EQ(encoder.Finish(), "#!AMR\n");
    EXPECT_EQ(encoder.Finish(), "");
}
