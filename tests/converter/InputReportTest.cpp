#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "FfmpegLog.h"
#include "InputReport.h"

using namespace tavoclip;

namespace {

// Feeds FFmpeg's standard error, as written with "-loglevel level+info".
std::optional<SourceInfo> ReadReport(std::string_view text)
{
    FfmpegLog log;
    InputReport report;
    for (const FfmpegMessage& message : log.Add(text))
        report.Add(message.level == FfmpegMessage::Level::Info, message.text);
    for (const FfmpegMessage& message : log.Finish())
        report.Add(message.level == FfmpegMessage::Level::Info, message.text);
    report.End();
    return report.Read();
}

}  // namespace

TEST(InputReportTest, ReadsTheFirstRealStreamsAndTheLength)
{
    const auto info = ReadReport(
        "[info] Input #0, mov,mp4,m4a,3gp,3g2,mj2, from 'file:a.mp4':\n"
        "[info]   Metadata:\n"
        "[info]     title           : first\n"
        "                    :   Stream #0:9: Video: h264, 9x9, 5 fps\n"
        "[info]   Duration: 01:02:03.45, start: 0.000000, bitrate: 301 kb/s\n"
        "[info]   Stream #0:0[0x1](und): Video: mjpeg (Baseline), yuvj444p(pc, bt470bg/unknown/unknown), "
        "600x600 [SAR 1:1 DAR 1:1], 90k tbr, 90k tbn (attached pic)\n"
        "[info]   Stream #0:1[0x2](und): Video: h264 (High) (avc1 / 0x31637661), yuv420p(tv, bt709, progressive), "
        "1280x720 [SAR 1:1 DAR 16:9], 111 kb/s, 29.97 fps, 29.97 tbr, 30k tbn (default)\n"
        "[info]   Stream #0:2[0x3](und): Audio: aac (LC) (mp4a / 0x6134706D), 48000 Hz, 5.1(side), fltp, 173 kb/s\n"
        "[info]   Stream #0:3[0x4](eng): Audio: mp3, 22050 Hz, mono, fltp, 64 kb/s\n"
        "[info] Stream mapping:\n"
        "[info]   Stream #0:1 -> #0:0 (h264 (native) -> mpeg1video (native))\n");
    ASSERT_TRUE(info);
    EXPECT_DOUBLE_EQ(info->durationSeconds, 3723.45);
    ASSERT_TRUE(info->video) << "the cover art is skipped, and so is the title that looks like a stream";
    EXPECT_EQ(info->video->index, 1);
    EXPECT_EQ(info->video->width, 1280);
    EXPECT_EQ(info->video->height, 720);
    EXPECT_NEAR(info->video->framesPerSecond, 29.97, 0.001);
    EXPECT_FALSE(info->video->variableRate);
    ASSERT_TRUE(info->audio);
    EXPECT_EQ(info->audio->index, 2);
    EXPECT_EQ(info->audio->sampleRate, 48000);
    EXPECT_EQ(info->audio->channels, 6);
    EXPECT_EQ(info->tags, (std::map<std::string, std::string>{{"title", "first\n  Stream #0:9: Video: h264, 9x9, 5 fps"}}));
}

TEST(InputReportTest, VariableRatesAndUnnamedLayouts)
{
    const auto info = ReadReport(
        "[info] Input #0, matroska,webm, from 'file:g.mkv':\n"
        "[info]   Duration: 00:00:04.00, start: 0.000000, bitrate: 120 kb/s\n"
        "[info]   Stream #0:0: Video: h264 (High), yuv420p(progressive), 320x240, 16.75 fps, 30 tbr, 1k tbn\n"
        "[info]   Stream #0:1: Audio: pcm_s16le, 44100 Hz, 3 channels (FL+FR+LFE), s16, 2116 kb/s\n"
        "[error] Stream map '0:a:1' matches no streams.\n");
    ASSERT_TRUE(info);
    ASSERT_TRUE(info->video);
    EXPECT_TRUE(info->video->variableRate);
    EXPECT_NEAR(info->video->framesPerSecond, 16.75, 0.001);
    ASSERT_TRUE(info->audio);
    EXPECT_EQ(info->audio->channels, 3);
}

// Whatever cannot be known for sure is left to ffprobe.
TEST(InputReportTest, GivesNothingWhenUnsure)
{
    const std::string head = "[info] Input #0, flv, from 'file:a.flv':\n";
    const std::string length = "[info]   Duration: 00:00:30.03, start: 0.000000, bitrate: 503 kb/s\n";
    const std::string audio = "[info]   Stream #0:0: Audio: mp3, 44100 Hz, stereo, fltp, 128 kb/s\n";
    EXPECT_TRUE(ReadReport(head + length + audio));
    EXPECT_FALSE(ReadReport("[error] file:a.flv: Invalid data found when processing input\n"));
    EXPECT_FALSE(ReadReport(head + "[info]   Duration: N/A, bitrate: N/A\n" + audio));
    EXPECT_FALSE(ReadReport(head + audio)) << "no length";
    EXPECT_FALSE(ReadReport(head + length + "[info]   Stream #0:0: Audio: mp3, 44100 Hz, 9.9(odd), fltp\n"));
    EXPECT_FALSE(ReadReport(head + length + "[info]   Program 1\n[info]     Stream #0:0: Audio: mp2, 48000 Hz, stereo\n"));
    EXPECT_FALSE(ReadReport(head + length + "[info]   Stream #0:1: Video: h264, yuv420p, 320x240, 25 fps\n" +
                            "[info]     Side data:\n[info]       displaymatrix: rotation of nan degrees\n"))
        << "a turn that cannot be read";

    FfmpegLog log;
    InputReport report;
    for (const FfmpegMessage& message : log.Add(head + length + audio))
        report.Add(message.level == FfmpegMessage::Level::Info, message.text);
    EXPECT_FALSE(report.complete()) << "more streams may follow";
    EXPECT_FALSE(report.Read());
}

// The description FFmpeg prints of real files says what ffprobe says of them.
TEST(InputReportTest, AgreesWithFfprobeOnRealFiles)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto video = [](const char* rate, const char* size) {
        return QStringList{"-f", "lavfi", "-i", QString("testsrc=size=%1:rate=%2:duration=2").arg(size, rate)};
    };
    const auto audio = [](int rate, const char* layout) {
        return QStringList{"-f", "lavfi", "-i",
                           QString("sine=sample_rate=%1:duration=2,aformat=channel_layouts=%2").arg(rate).arg(layout)};
    };
    const QStringList flv{"-c:v", "flv", "-c:a", "libmp3lame"};
    const QStringList h264{"-c:v", "libx264", "-preset", "ultrafast"};
    const std::vector<std::pair<QString, QStringList>> sources{
        {"a.flv", video("15", "320x240") + audio(22050, "mono") + flv},
        {"b.flv", video("30000/1001", "320x240") + audio(44100, "stereo") + flv},
        {"c.mp4", video("25", "1280x720") + audio(48000, "5.1") + h264 + QStringList{"-c:a", "aac"}},
        {"d.mp4", video("30", "320x240") + audio(44100, "mono") + h264 +
                      QStringList{"-vf", "select='lt(mod(n,30),10)+eq(mod(n,3),0)'", "-fps_mode", "vfr", "-c:a", "aac"}},
        {"g.mkv", video("25", "321x241") + audio(11025, "mono") + QStringList{"-c:v", "ffv1", "-c:a", "flac"}},
        {"e.mp3", audio(44100, "stereo") + video("1", "64x64") +
                      QStringList{"-map", "0", "-map", "1", "-frames:v", "1", "-c:v", "mjpeg", "-disposition:v",
                                  "attached_pic"}},
        {"f.mp4", video("12", "176x144") + h264},
        // The second sound is the default one; tags as a phone writes them.
        {"h.mov", video("25", "320x240") + audio(44100, "mono") + audio(48000, "stereo") + h264 +
                      QStringList{"-map", "0", "-map", "1", "-map", "2", "-c:a", "aac", "-disposition:a:0", "0",
                                  "-disposition:a:1", "default", "-metadata", "title=Été: 2\nlines",
                                  "-metadata", "com.apple.quicktime.location.ISO6709=+48.8577+002.2950/",
                                  "-metadata", "creation_time=2015-06-01T10:20:30Z", "-movflags", "use_metadata_tags"}},
        // Flash's Speex gives a count of channels and no layout.
        {"i.flv", video("15", "160x120") + audio(16000, "mono") + QStringList{"-c:v", "flv", "-c:a", "libspeex"}},
        // A picture with oblong pixels, then the same stored on its side as a phone does.
        {"k.mp4", video("25", "320x180") + h264 + QStringList{"-vf", "setsar=4/3"}},
        {"l.mp4", {"-i", folder.filePath("k.mp4"), "-c", "copy", "-metadata:s:v:0", "rotate=270"}},
        // The codec says 4:3 pixels, the container square ones.
        {"m.mp4", {"-i", folder.filePath("f.mp4"), "-c", "copy", "-bsf:v", "h264_metadata=sample_aspect_ratio=4/3"}},
    };
    int variableSources = 0;
    int turned = 0;
    for (const auto& [name, arguments] : sources) {
        const QString path = folder.filePath(name);
        QProcess make;
        make.start("ffmpeg", QStringList{"-nostdin", "-v", "error", "-y"} + arguments + QStringList{path});
        ASSERT_TRUE(make.waitForFinished(60000) && make.exitCode() == 0) << make.readAllStandardError().toStdString();

        QProcess describe;
        describe.start("ffmpeg", {"-nostdin", "-hide_banner", "-loglevel", "level+info", "-i", "file:" + path});
        describe.waitForFinished(30000);
        const QByteArray log = describe.readAllStandardError();
        QProcess probe;
        probe.start("ffprobe", {"-v", "error", "-of", "json", "-show_format", "-show_streams", path});
        probe.waitForFinished(30000);

        const auto fromLog = ReadReport(log.toStdString());
        const auto fromProbe = ParseProbeOutput(probe.readAllStandardOutput());
        ASSERT_TRUE(fromLog) << name.toStdString() << "\n"
                             << log.toStdString();
        ASSERT_TRUE(fromProbe) << name.toStdString();
        SCOPED_TRACE(name.toStdString());
        EXPECT_NEAR(fromLog->durationSeconds, fromProbe->durationSeconds, 0.006);
        ASSERT_EQ(fromLog->video.has_value(), fromProbe->video.has_value());
        if (fromLog->video) {
            EXPECT_EQ(fromLog->video->width, fromProbe->video->width);
            EXPECT_EQ(fromLog->video->height, fromProbe->video->height);
            EXPECT_NEAR(fromLog->video->framesPerSecond, fromProbe->video->framesPerSecond, 0.006);
            EXPECT_EQ(fromLog->video->variableRate, fromProbe->video->variableRate);
            EXPECT_EQ(fromLog->video->pixelAspectWidth, fromProbe->video->pixelAspectWidth);
            EXPECT_EQ(fromLog->video->pixelAspectHeight, fromProbe->video->pixelAspectHeight);
            EXPECT_EQ(fromLog->video->rotation, fromProbe->video->rotation);
            turned += fromProbe->video->rotation != 0 && fromProbe->video->pixelAspectWidth == 4 ? 1 : 0;
            variableSources += fromProbe->video->variableRate ? 1 : 0;
        }
        ASSERT_EQ(fromLog->audio.has_value(), fromProbe->audio.has_value());
        if (fromLog->audio) {
            EXPECT_EQ(fromLog->audio->sampleRate, fromProbe->audio->sampleRate);
            EXPECT_EQ(fromLog->audio->channels, fromProbe->audio->channels);
            EXPECT_EQ(fromLog->audio->index, fromProbe->audio->index);
            EXPECT_EQ(fromLog->audio->ordinal, fromProbe->audio->ordinal);
            EXPECT_EQ(fromLog->audio->layoutKnown, fromProbe->audio->layoutKnown);
        }
        EXPECT_EQ(fromLog->tags, fromProbe->tags);
        if (name == "h.mov") {
            EXPECT_EQ(fromProbe->audio->ordinal, 1) << "the default sound";
        }
        if (name == "i.flv") {
            EXPECT_FALSE(fromProbe->audio->layoutKnown);
        }
    }
    EXPECT_EQ(variableSources, 1) << "d.mp4 has a variable frame rate";
    EXPECT_EQ(turned, 1) << "l.mp4 is stored on its side with 4:3 pixels";
}
