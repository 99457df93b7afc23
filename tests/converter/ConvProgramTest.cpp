// Runs the built conv on small clips that FFmpeg's lavfi makes at test time
// and checks the outputs with ffprobe.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "ConverterCommand.h"
#include "MediaTools.h"
#include "OutputFormat.h"
#include "ProgressTracker.h"

using namespace tavoclip;

namespace {

const QDateTime kPhoneFileTime(QDate(2015, 6, 1), QTime(10, 20, 30), Qt::UTC);

struct ConvResult {
    int exitCode = -1;
    QString output;  // standard output and error together, as the window reads them
    QString lastLine() const { return output.trimmed().section('\n', -1); }
};

ConvResult RunConv(const QStringList& arguments, const QString& program = CONV_PATH,
                   const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000)) process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

QJsonObject Probe(const QString& path)
{
    QProcess process;
    process.start("ffprobe", {"-v", "error", "-count_packets", "-of", "json", "-show_format", "-show_streams", path});
    process.waitForFinished(30000);
    return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}

QJsonObject StreamOf(const QJsonObject& probe, const QString& type)
{
    for (const QJsonValue stream : probe["streams"].toArray())
        if (stream["codec_type"].toString() == type) return stream.toObject();
    return {};
}

// AMR files carry no length; ffprobe guesses one from the size, so count the
// 20 ms frames instead.
double DurationOf(const QJsonObject& probe)
{
    const QJsonObject audio = StreamOf(probe, "audio");
    if (audio["codec_name"] == "amr_nb" && !StreamOf(probe, "video").contains("codec_name"))
        return audio["nb_read_packets"].toString().toDouble() * 0.02;
    return probe["format"].toObject()["duration"].toString().toDouble();
}

// When the sound of a file becomes audible, on the file's own clock: the first
// decoded sample's time, or the end of the silence it starts with.
double SoundOnset(const QString& path)
{
    QProcess process;
    process.start("ffmpeg", {"-nostdin", "-hide_banner", "-copyts", "-i", path, "-map", "0:a:0", "-af",
                             "silencedetect=n=-40dB:d=0.05,ashowinfo", "-f", "null", "-"});
    process.waitForFinished(30000);
    const QString log = QString::fromUtf8(process.readAllStandardError());
    const auto number = [&](const QString& key) {
        const qsizetype at = log.indexOf(key);
        return at < 0 ? -1.0 : log.mid(at + key.size()).section(QRegularExpression("[^-0-9.e]"), 0, 0).toDouble();
    };
    const double first = number("pts_time:");
    const double silenceStart = number("silence_start: ");
    return log.contains("silence_start: ") && std::abs(silenceStart - first) < 0.03 ? number("silence_end: ") : first;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FolderEntries(const QString& path)
{
    return QDir(path).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace

class ConvProgramTest : public ::testing::Test {
protected:
    // Each clip is made on first use and kept for the rest of the suite; they
    // are a few seconds of small frames so the suite stays quick.
    static void SetUpTestSuite() { clips_ = new QTemporaryDir; }
    static void TearDownTestSuite()
    {
        delete clips_;
        clips_ = nullptr;
    }

    static QString Clip(const QString& name)
    {
        const QString path = clips_->path() + "/" + name;
        if (QFile::exists(path)) return path;
        if (name == "flash.flv") {
            Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=15:duration=4", "-f", "lavfi", "-i",
                    "sine=frequency=440:sample_rate=22050:duration=4", "-c:v", "flv", "-c:a", "libmp3lame", "-ac", "1",
                    path});
        } else if (name == "long.flv") {
            Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=30", "-f", "lavfi", "-i",
                    "sine=frequency=440:sample_rate=44100:duration=30", "-c:v", "flv", "-c:a", "libmp3lame", path});
        } else if (name == "silent.mp4") {
            Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=2", "-c:v", "mpeg4", path});
        } else if (name == "surround.m4a") {
            Ffmpeg({"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000:duration=2", "-af",
                    "pan=5.1|c0=c0|c1=c0|c2=c0|c3=c0|c4=c0|c5=c0", "-c:a", "aac", path});
        } else if (name == "late.mkv") {
            // The sound starts a second after the picture.
            Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=3", "-itsoffset", "1", "-f", "lavfi",
                    "-i", "sine=frequency=440:sample_rate=44100:duration=2", "-map", "0:v", "-map", "1:a", "-c:v",
                    "mpeg4", "-c:a", "pcm_s16le", path});
        } else if (name == "short-sound.mp4") {
            Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=4", "-f", "lavfi", "-i",
                    "sine=frequency=440:sample_rate=44100:duration=1.5", "-c:v", "mpeg4", "-c:a", "aac", path});
        } else if (name == "slides.mp4") {
            Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=1:duration=3", "-f", "lavfi", "-i",
                    "sine=frequency=440:sample_rate=44100:duration=3", "-c:v", "libx264", "-pix_fmt", "yuv420p",
                    "-c:a", "aac", path});
        } else if (name == "phone.mov") {
            // Tagged as a phone tags its clips, with last year's file date.
            Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=2", "-f", "lavfi", "-i",
                    "sine=frequency=440:sample_rate=48000:duration=2", "-c:v", "libx264", "-pix_fmt", "yuv420p",
                    "-c:a", "aac", "-metadata", "title=Été à Paris", "-metadata", "artist=Ann", "-metadata",
                    "creation_time=2015-06-01T10:20:30Z", "-metadata", "location=+48.8577+002.2950/", path});
            QFile file(path);
            file.open(QIODevice::ReadWrite);
            file.setFileTime(kPhoneFileTime, QFileDevice::FileModificationTime);
        } else if (name == "two-sounds.mp4") {
            // The second sound, at its own rate, is the one marked default.
            Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=2", "-f", "lavfi", "-i",
                    "sine=frequency=300:sample_rate=44100:duration=2", "-f", "lavfi", "-i",
                    "sine=frequency=1000:sample_rate=48000:duration=2", "-map", "0", "-map", "1", "-map", "2",
                    "-c:v", "mpeg4", "-c:a", "aac", "-disposition:a:0", "0", "-disposition:a:1", "default", path});
        } else if (name == "speex.flv") {
            Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=15:duration=3", "-f", "lavfi", "-i",
                    "sine=frequency=440:sample_rate=16000:duration=3", "-c:v", "flv", "-c:a", "libspeex", path});
        } else if (name == "lying.flv" || name == "cut-off.flv") {
            // 3 s whose header says 60 s, as a recorder that wrote it first
            // leaves it; and the first half of a 10 s file, as a broken
            // download leaves it.
            const bool lying = name == "lying.flv";
            const QString whole = path + ".whole.flv";
            Ffmpeg({"-f", "lavfi", "-i", QString("testsrc=size=160x120:rate=25:duration=%1").arg(lying ? 3 : 10),
                    "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=10", "-shortest", "-c:v",
                    "flv", "-c:a", "libmp3lame", whole});
            QByteArray bytes = ReadAll(whole);
            if (lying) {
                // onMetaData's "duration" is an AMF number: a 0 byte, then a big-endian double.
                const qsizetype at = bytes.indexOf(QByteArray("duration\0", 9));
                const double sixty = 60;
                quint64 bits;
                std::memcpy(&bits, &sixty, sizeof bits);
                if (at >= 0)
                    for (int i = 0; i < 8; ++i) bytes[at + 9 + i] = static_cast<char>(bits >> (56 - 8 * i));
            } else {
                bytes.truncate(bytes.size() / 2);
            }
            QFile file(path);
            if (file.open(QIODevice::WriteOnly)) file.write(bytes);
        } else if (name == "cut-off.mp4") {
            // Its index, at the front, still lists what was lost.
            const QString whole = path + ".whole.mp4";
            Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=10", "-f", "lavfi", "-i",
                    "sine=frequency=440:sample_rate=44100:duration=10", "-c:v", "mpeg4", "-c:a", "aac", "-movflags",
                    "faststart", whole});
            QFile file(path);
            if (file.open(QIODevice::WriteOnly)) file.write(ReadAll(whole).left(QFileInfo(whole).size() / 2));
        } else if (name == "phone.mp4") {
            // A phone held upright: a 16:9 picture stored on its side. FFmpeg
            // keeps the turn only when it copies the picture.
            Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=320x180:rate=25:duration=1", "-f", "lavfi", "-i",
                    "sine=frequency=440:sample_rate=44100:duration=1", "-c:v", "libx264", "-pix_fmt", "yuv420p",
                    "-c:a", "aac", path + ".flat.mp4"});
            Ffmpeg({"-i", path + ".flat.mp4", "-c", "copy", "-metadata:s:v:0", "rotate=90", path});
        } else if (name == "anamorphic.mkv") {
            Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=360x240:rate=25:duration=1,setsar=32/27", "-f", "lavfi", "-i",
                    "sine=frequency=440:sample_rate=44100:duration=1", "-c:v", "mpeg4", "-c:a", "aac", path});
        } else if (name == "odd.avi" || name == "tiny.avi") {
            const QString size = name == "odd.avi" ? "101x75" : "2x2";
            Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=" + size + ":rate=25:duration=1", "-f", "lavfi", "-i",
                    "sine=frequency=440:sample_rate=44100:duration=1", "-c:v", "ffv1", "-c:a", "pcm_s16le", path});
        } else if (name == "timecode.mov") {
            Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=2", "-f", "lavfi", "-i",
                    "sine=frequency=440:sample_rate=48000:duration=2", "-c:v", "prores_ks", "-c:a", "pcm_s16le",
                    "-timecode", "01:00:00:00", path});
        }
        EXPECT_TRUE(QFile::exists(path)) << "could not make " << name.toStdString();
        return path;
    }
    QString Out(const QString& name) const { return out_.path() + "/" + name; }

    // The command line exactly as the window builds it for the format's
    // default selections, with the built conv as the converter; `request`
    // receives the selections.
    ConverterCommand DefaultLine(int format, const QString& source, ConversionRequest& request) const
    {
        const FormatChangeResult lists = ApplyFormatChange(format);
        request.programFolder = CONV_PROGRAM_FOLDER;
        request.sourcePath = source.toStdString();
        request.outputFolder = out_.path().toStdString();
        request.formatIndex = format;
        request.videoBitrate = std::string(kVideoBitrates[lists.videoBitrateIndex]);
        request.screenSize = std::string(kScreenSizes[lists.screenSizeIndex]);
        request.audioBitrate = std::string(AudioBitrateList(lists.audioList)[lists.audioBitrateIndex]);
        return BuildConverterCommand(request, PathStyle::Posix);
    }

    static ConvResult RunLine(const ConverterCommand& command)
    {
        QStringList arguments;
        for (std::size_t i = 1; i < command.arguments.size(); ++i)
            arguments << QString::fromStdString(command.arguments[i]);
        return RunConv(arguments, QString::fromStdString(command.arguments[0]));
    }

    static QTemporaryDir* clips_;
    QTemporaryDir out_;
};

QTemporaryDir* ConvProgramTest::clips_ = nullptr;

struct FormatExpectation {
    int format;
    const char* container;  // part of ffprobe's format_name
    const char* videoCodec;
    const char* audioCodec;
    int sampleRate;  // 0: not fixed by the format
    int channels;
    const char* keptTags;  // the phone clip's tags that ffprobe reads back from the output
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const FormatExpectation& expectation, std::ostream* os)
{
    *os << kOutputFormats[static_cast<std::size_t>(expectation.format)].shortName;
}

class ConvFormatTest : public ConvProgramTest, public ::testing::WithParamInterface<FormatExpectation> {};

TEST_P(ConvFormatTest, ConvertsTheDefaultLineOfEveryFormat)
{
    const FormatExpectation expected = GetParam();
    ConversionRequest request;
    const ConverterCommand command = DefaultLine(expected.format, Clip("flash.flv"), request);
    const ConvResult result = RunLine(command);
    ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();

    const QJsonObject probe = Probe(QString::fromStdString(command.outputPath));
    EXPECT_TRUE(probe["format"]["format_name"].toString().contains(expected.container))
        << probe["format"]["format_name"].toString().toStdString();
    const QJsonObject video = StreamOf(probe, "video");
    const QJsonObject audio = StreamOf(probe, "audio");
    EXPECT_EQ(video["codec_name"].toString().toStdString(), expected.videoCodec);
    EXPECT_EQ(audio["codec_name"].toString().toStdString(), expected.audioCodec);
    if (*expected.videoCodec) {
        const std::string size = std::to_string(video["width"].toInt()) + "x" + std::to_string(video["height"].toInt());
        const auto sizeOption = std::find(command.arguments.begin(), command.arguments.end(), "-s");
        ASSERT_NE(sizeOption, command.arguments.end());
        EXPECT_EQ(size, *(sizeOption + 1));
    }
    if (expected.sampleRate) {
        EXPECT_EQ(audio["sample_rate"].toString().toInt(), expected.sampleRate);
    }
    if (expected.channels) {
        EXPECT_EQ(audio["channels"].toInt(), expected.channels);
    }
    EXPECT_NEAR(DurationOf(probe), 4.0, 0.5);
    EXPECT_EQ(FolderEntries(out_.path()).size(), 1) << "no temporary file is left behind";
}

// The output keeps the source's file date in every format, and the tags
// its container can hold. FFmpeg writes 3GP's title and artist as 3GPP
// atoms that it does not read back, and ASF's shooting date into a header
// field that it does not read back either.
TEST_P(ConvFormatTest, KeepsTheSourcesTagsAndFileDate)
{
    ConversionRequest request;
    const ConverterCommand command = DefaultLine(GetParam().format, Clip("phone.mov"), request);
    const ConvResult result = RunLine(command);
    ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
    const QString output = QString::fromStdString(command.outputPath);
    EXPECT_EQ(QFileInfo(output).lastModified(), kPhoneFileTime);

    const QJsonObject tags = Probe(output)["format"].toObject()["tags"].toObject();
    const std::map<QString, QString> wanted{{"title", "Été à Paris"}, {"artist", "Ann"}, {"creation_time", "2015-06-01T10:20:30"}, {"location", "+48.8577+002.2950/"}, {"date", "2015-06-01"}};
    const QString kept = GetParam().keptTags;
    for (const auto& [key, value] : wanted) {
        EXPECT_EQ(tags[key].toString().startsWith(value), kept.split(',').contains(key))
            << key.toStdString() << " = " << tags[key].toString().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(AllFormats, ConvFormatTest,
                         ::testing::Values(FormatExpectation{0, "mpeg", "mpeg1video", "mp2", 0, 0, ""},
                                           FormatExpectation{1, "asf", "wmv2", "wmav2", 0, 0, "title,artist,location"},
                                           FormatExpectation{2, "mov", "h264", "aac", 0, 0,
                                                             "title,artist,creation_time,location"},
                                           FormatExpectation{3, "avi", "mpeg4", "mp3", 0, 0, "title,artist,date"},
                                           FormatExpectation{4, "mp4", "h264", "aac", 0, 0,
                                                             "title,artist,creation_time,location"},
                                           FormatExpectation{5, "3gp", "h263", "amr_nb", 8000, 1,
                                                             "creation_time,location"},
                                           FormatExpectation{6, "mp3", "", "mp3", 0, 0,
                                                             "title,artist,creation_time,location,date"},
                                           FormatExpectation{7, "amr", "", "amr_nb", 8000, 1, ""},
                                           FormatExpectation{8, "asf", "", "wmav1", 0, 0, "title,artist,location"},
                                           FormatExpectation{9, "wav", "", "pcm_s16le", 0, 0, "title,artist,date"}),
                         [](const ::testing::TestParamInfo<FormatExpectation>& info) {
                             return std::string(kOutputFormats[info.param.format].shortName);
                         });

struct PictureSource {
    const char* clip;
    double shownAspect;  // width over height as a player shows the source
};

void PrintTo(const PictureSource& source, std::ostream* os) { *os << source.clip; }

// Width over height of what is not black in the first second of a picture.
double ContentAspect(const QString& path)
{
    QProcess process;
    process.start("ffmpeg", {"-nostdin", "-hide_banner", "-i", path, "-vf", "cropdetect=limit=0.1:round=2", "-f",
                             "null", "-"});
    process.waitForFinished(30000);
    const QString log = QString::fromUtf8(process.readAllStandardError());
    const QStringList crop = log.section("crop=", -1).section(QRegularExpression("\\s"), 0, 0).split(':');
    return crop.size() == 4 && crop[1].toDouble() > 0 ? crop[0].toDouble() / crop[1].toDouble() : 0;
}

class ConvPictureTest : public ConvProgramTest,
                        public ::testing::WithParamInterface<std::tuple<int, PictureSource>> {};

// Each video format's default line on pictures of awkward shapes: stored on
// their side, with oblong pixels, odd or tiny. The picture must be shown with
// its own shape, upright (a taller than wide one in a turned frame), fill the
// frame where the container can store the pixel aspect and sit between black
// bars at square pixels where it cannot, and decode without a complaint.
TEST_P(ConvPictureTest, ShowsThePictureWithItsOwnShape)
{
    const auto [format, source] = GetParam();
    const std::string extension(kOutputFormats[static_cast<std::size_t>(format)].extension);
    ConversionRequest request;
    const ConverterCommand command = DefaultLine(format, Clip(source.clip), request);
    const ConvResult result = RunLine(command);
    ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();

    const QString output = QString::fromStdString(command.outputPath);
    const QJsonObject video = StreamOf(Probe(output), "video");
    const bool phone = extension == ".3gp";
    const bool turned = !phone && source.shownAspect < 1;
    EXPECT_EQ(video["width"].toInt(), phone ? 176 : turned ? 240
                                                           : 320);
    EXPECT_EQ(video["height"].toInt(), phone ? 144 : turned ? 320
                                                            : 240);
    EXPECT_FALSE(video["side_data_list"].isArray()) << "the picture is stored upright";
    const QStringList pixel = video["sample_aspect_ratio"].toString("1:1").split(':');
    const double pixelAspect = pixel.value(0).toDouble() / pixel.value(1, "1").toDouble();
    if (phone || extension == ".mpg") {
        EXPECT_DOUBLE_EQ(pixelAspect, 1.0);
        EXPECT_NEAR(ContentAspect(output) / source.shownAspect, 1.0, 0.03);
    } else {
        EXPECT_NEAR(video["width"].toInt() * pixelAspect / video["height"].toInt() / source.shownAspect, 1.0, 0.01);
    }
    QProcess decode;
    decode.start("ffmpeg", {"-nostdin", "-v", "error", "-i", output, "-f", "null", "-"});
    decode.waitForFinished(30000);
    EXPECT_EQ(decode.exitCode(), 0);
    EXPECT_TRUE(decode.readAllStandardError().trimmed().isEmpty()) << "the output decodes without a complaint";
}

INSTANTIATE_TEST_SUITE_P(VideoFormatsAndShapes, ConvPictureTest,
                         ::testing::Combine(::testing::Values(0, 1, 2, 3, 4, 5),
                                            ::testing::Values(PictureSource{"phone.mp4", 9.0 / 16},
                                                              PictureSource{"anamorphic.mkv", 16.0 / 9},
                                                              PictureSource{"odd.avi", 101.0 / 75},
                                                              PictureSource{"tiny.avi", 1.0})),
                         [](const auto& info) {
                             const std::string clip = std::get<1>(info.param).clip;
                             return std::string(kOutputFormats[std::get<0>(info.param)].shortName) + "_" +
                                    clip.substr(0, clip.find('.'));
                         });

TEST_F(ConvProgramTest, PrintsWhatTheProgressReaderUnderstands)
{
    const ConvResult result = RunConv({"-i", Clip("flash.flv"), "-y", "-b", "128k", "-s", "320x240", "-ab", "196k",
                                       Out("clip.mpg")});
    ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
    EXPECT_TRUE(result.output.startsWith("Duration: 00:00:04.0")) << result.output.toStdString();
    EXPECT_EQ(result.output.count("Duration: "), 1);
    EXPECT_TRUE(result.output.contains("MPEG-1 cannot store 15 fps"));
    for (const QString& line : result.output.split('\n')) EXPECT_LT(line.size(), 80) << line.toStdString();

    // Read the way the window reads it; each line is written and flushed on
    // its own, so it arrives as a chunk of its own at the window's pace.
    ProgressTracker tracker;
    std::optional<ProgressDisplay> last;
    for (const QString& line : result.output.split('\n'))
        if (auto shown = tracker.Feed((line + '\n').toStdString(), {})) last = shown;
    EXPECT_EQ(tracker.totalSeconds(), 4);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->caption, "100%");

    const QJsonObject video = StreamOf(Probe(Out("clip.mpg")), "video");
    EXPECT_EQ(video["r_frame_rate"].toString(), "24000/1001");
}

TEST_F(ConvProgramTest, CutsTheAskedWindow)
{
    for (const QString& name : {QString("cut.mp4"), QString("cut.amr"), QString("cut.3gp")}) {
        QStringList arguments{"-i", Clip("flash.flv"), "-ss", "1", "-t", "2", "-y"};
        if (name.endsWith(".3gp")) arguments << "-s"
                                             << "176x144"
                                             << "-acodec"
                                             << "libamr_nb";
        if (name.endsWith(".amr")) arguments << "-vn"
                                             << "-ar"
                                             << "8000"
                                             << "-ab"
                                             << "5.9k"
                                             << "-ac"
                                             << "1";
        const ConvResult result = RunConv(arguments << Out(name));
        ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
        EXPECT_TRUE(result.output.startsWith("Duration: 00:00:04.0")) << "the input's total, not the cut's";
        EXPECT_NEAR(DurationOf(Probe(Out(name))), 2.0, 0.5) << name.toStdString();
    }
}

// 30 s of sound is encoded in several segments at once; the file must still
// be one stream with one header and every frame in its place.
TEST_F(ConvProgramTest, LongSoundIsOneAmrStream)
{
    const ConvResult amr = RunConv({"-i", Clip("long.flv"), "-y", "-vn", "-ar", "8000", "-ab", "4.75k", "-ac", "1",
                                    Out("long.amr")});
    ASSERT_EQ(amr.exitCode, 0) << amr.output.toStdString();
    const QByteArray bytes = ReadAll(Out("long.amr"));
    EXPECT_TRUE(bytes.startsWith("#!AMR\n"));
    EXPECT_EQ(bytes.indexOf("#!AMR", 1), -1);
    EXPECT_EQ((bytes.size() - 6) % 13, 0) << "whole 13-byte frames";
    EXPECT_NEAR((bytes.size() - 6) / 13 * 0.02, 30.04, 0.05);
    EXPECT_NEAR(DurationOf(Probe(Out("long.amr"))), 30.04, 0.05);

    const ConvResult threeGp = RunConv({"-i", Clip("long.flv"), "-y", "-b", "128k", "-s", "176x144", "-acodec",
                                        "libamr_nb", "-ac", "1", "-ar", "8000", "-ab", "12.2k", Out("long.3gp")});
    ASSERT_EQ(threeGp.exitCode, 0) << threeGp.output.toStdString();
    const QJsonObject probe = Probe(Out("long.3gp"));
    EXPECT_EQ(StreamOf(probe, "audio")["codec_name"], "amr_nb");
    EXPECT_NEAR(StreamOf(probe, "audio")["duration"].toString().toDouble(), 30.04, 0.1);
}

// The sound a player would play is the one marked default, not the first.
TEST_F(ConvProgramTest, ConvertsTheDefaultSound)
{
    for (const QString& name : {QString("two.mp3"), QString("two.mov"), QString("two.amr")}) {
        const ConvResult result = RunConv({"-i", Clip("two-sounds.mp4"), "-y", Out(name)});
        ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
        // 1000 Hz crosses zero 2000 times a second, 300 Hz only 600.
        QProcess measure;
        measure.start("ffmpeg", {"-nostdin", "-hide_banner", "-i", Out(name), "-map", "0:a:0", "-af", "astats",
                                 "-f", "null", "-"});
        measure.waitForFinished(30000);
        const QString log = QString::fromUtf8(measure.readAllStandardError());
        const qsizetype at = log.indexOf("Zero crossings rate: ");
        ASSERT_GE(at, 0) << log.toStdString();
        const double crossingsPerSecond = log.mid(at + 21).section('\n', 0, 0).toDouble() *
                                          StreamOf(Probe(Out(name)), "audio")["sample_rate"].toString().toDouble();
        EXPECT_NEAR(crossingsPerSecond, 2000, 200) << name.toStdString();
    }
}

// Flash's Speex sound names a count of channels and no layout; AAC needs one.
TEST_F(ConvProgramTest, ConvertsSoundWithoutAChannelLayout)
{
    for (const QString& name : {QString("speex.mov"), QString("speex.mp4"), QString("speex.wma")}) {
        const ConvResult result = RunConv({"-i", Clip("speex.flv"), "-y", Out(name)});
        ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
        EXPECT_EQ(StreamOf(Probe(Out(name)), "audio")["channels"].toInt(), 1) << name.toStdString();
        EXPECT_NEAR(DurationOf(Probe(Out(name))), 3.0, 0.3) << name.toStdString();
    }
}

// A header that states a wrong length, or a file cut off, is judged by what
// the source really holds: that converts, and the last line says why the
// output is shorter than the source claims.
TEST_F(ConvProgramTest, ConvertsWhatASourceHoldsWhenItLiesAboutItsLength)
{
    struct Case {
        const char* source;
        const char* output;
        double seconds;
    };
    for (const Case& c : {Case{"lying.flv", "lying.mp4", 3}, Case{"lying.flv", "lying.avi", 3},
                          Case{"lying.flv", "lying.wav", 3}, Case{"cut-off.flv", "cut-off.mov", 5},
                          Case{"cut-off.flv", "cut-off.wmv", 5}, Case{"cut-off.flv", "cut-off.amr", 5},
                          Case{"cut-off.mp4", "cut-off.mp3", 5}, Case{"cut-off.mp4", "cut-off.avi", 5}}) {
        SCOPED_TRACE(c.output);
        const ConvResult result = RunConv({"-i", Clip(c.source), "-y", Out(c.output)});
        ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
        const QJsonObject probe = Probe(Out(c.output));
        EXPECT_NEAR(DurationOf(probe), c.seconds, 0.6);
        // Sound taken alone from an FLV may end before its picture; only a
        // container that states the sound's own length shows it ended early.
        if (!StreamOf(probe, "video").isEmpty() || QString(c.source).endsWith(".mp4")) {
            EXPECT_TRUE(result.lastLine().contains("ends early")) << result.output.toStdString();
        }
    }
    // Cut inside what the source holds, the cut is what counts.
    const ConvResult cut = RunConv({"-i", Clip("lying.flv"), "-ss", "1.5", "-t", "1", "-y", Out("cut.mp4")});
    ASSERT_EQ(cut.exitCode, 0) << cut.output.toStdString();
    EXPECT_FALSE(cut.output.contains("ends early"));
    EXPECT_NEAR(DurationOf(Probe(Out("cut.mp4"))), 1.0, 0.2);
    // A cut that starts past what the source holds would give an empty file.
    for (const QString& name : {QString("beyond.mp4"), QString("beyond.mp3")}) {
        const ConvResult beyond = RunConv({"-i", Clip("lying.flv"), "-ss", "10", "-t", "5", "-y", Out(name)});
        EXPECT_EQ(beyond.exitCode, 1) << beyond.output.toStdString();
        EXPECT_TRUE(beyond.lastLine().contains("the start 10s lies beyond the end")) << beyond.output.toStdString();
        EXPECT_FALSE(QFile::exists(Out(name)));
    }
}

TEST_F(ConvProgramTest, HandlesSourcesWithoutVideoOrWithSurroundSound)
{
    const ConvResult threeGp = RunConv({"-i", Clip("silent.mp4"), "-y", "-s", "128x96", "-acodec", "libamr_nb",
                                        Out("silent.3gp")});
    ASSERT_EQ(threeGp.exitCode, 0) << threeGp.output.toStdString();
    EXPECT_EQ(StreamOf(Probe(Out("silent.3gp")), "video")["codec_name"], "h263");

    const ConvResult wma = RunConv({"-i", Clip("surround.m4a"), "-y", "-vn", "-acodec", "wmav1", "-ab", "128k",
                                    Out("surround.wma")});
    ASSERT_EQ(wma.exitCode, 0) << wma.output.toStdString();
    EXPECT_TRUE(wma.output.contains("mixing 6 channels down"));
    EXPECT_EQ(StreamOf(Probe(Out("surround.wma")), "audio")["channels"].toInt(), 2);

    const ConvResult mp3 = RunConv({"-i", Clip("silent.mp4"), "-y", "-vn", "-ab", "128k", Out("silent.mp3")});
    EXPECT_EQ(mp3.exitCode, 1);
    EXPECT_TRUE(mp3.lastLine().contains("the source has no audio")) << mp3.output.toStdString();
    EXPECT_TRUE(FolderEntries(out_.path()).filter(".tavoclip-tmp-").isEmpty());
}

TEST_F(ConvProgramTest, NamesThatLookLikeOptionsOrProtocolsArePlainFiles)
{
    const QString source = Out("-odd: 'name' ä.flv");
    ASSERT_TRUE(QFile::copy(Clip("flash.flv"), source));
    const ConvResult result = RunConv({"-i", source, "-y", "-vn", "-ab", "64k", Out("-out: \"ö\".mp3")});
    ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
    EXPECT_EQ(StreamOf(Probe(Out("-out: \"ö\".mp3")), "audio")["codec_name"], "mp3");
}

TEST_F(ConvProgramTest, UnreadableSourcesFailThatFileQuicklyWithAReason)
{
    QFile(Out("empty.flv")).open(QIODevice::WriteOnly);
    QFile text(Out("text.flv"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("this is a note, not a video\n");
    text.close();
    QFile corrupt(Out("corrupt.flv"));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write(QByteArray("FLV\x01\x05") + QByteArray(4000, '\x7f'));
    corrupt.close();

    std::vector<std::pair<QString, QString>> cases{{"empty.flv", "empty (0 bytes)"},
                                                   {"text.flv", "cannot read the source"},
                                                   {"corrupt.flv", "corrupt.flv"},
                                                   {"missing.flv", "does not exist"}};
    // Reading a named pipe would wait for a writer that never comes.
    ASSERT_EQ(::mkfifo(QFile::encodeName(Out("pipe.flv")).constData(), 0600), 0);
    cases.emplace_back("pipe.flv", "not a regular file");
    for (const auto& [name, reason] : cases) {
        const QStringList before = FolderEntries(out_.path());
        const ConvResult result = RunConv({"-i", Out(name), "-y", "-ab", "128k", Out("result.mp3")});
        EXPECT_EQ(result.exitCode, 1) << name.toStdString();
        EXPECT_TRUE(result.lastLine().contains(reason)) << result.output.toStdString();
        EXPECT_EQ(FolderEntries(out_.path()), before) << name.toStdString() << ": nothing is left behind";
    }
}

TEST_F(ConvProgramTest, NeverWritesOverTheSource)
{
    ASSERT_TRUE(QFile::copy(Clip("silent.mp4"), Out("same.mp4")));
    const QByteArray original = ReadAll(Out("same.mp4"));
    QFile::link(Out("same.mp4"), Out("link.mp4"));
    QDir::setCurrent(out_.path());
    for (const QString& output : {QString("./same.mp4"), Out("link.mp4"), Out("../" + QDir(out_.path()).dirName() + "/same.mp4")}) {
        const ConvResult result = RunConv({"-i", "same.mp4", "-y", "-b", "128k", "-s", "160x120", output});
        EXPECT_EQ(result.exitCode, 4) << output.toStdString();
        EXPECT_TRUE(result.lastLine().contains("is the source itself")) << result.output.toStdString();
    }
    EXPECT_EQ(ReadAll(Out("same.mp4")), original);
}

TEST_F(ConvProgramTest, AFailedConversionKeepsTheEarlierOutput)
{
    QFile earlier(Out("keep.mp3"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier output");
    earlier.close();

    const ConvResult noAudio = RunConv({"-i", Clip("silent.mp4"), "-y", "-vn", "-ab", "128k", Out("keep.mp3")});
    EXPECT_EQ(noAudio.exitCode, 1);
    const ConvResult noOverwrite = RunConv({"-i", Clip("flash.flv"), "-vn", "-ab", "128k", Out("keep.mp3")});
    EXPECT_EQ(noOverwrite.exitCode, 5);
    EXPECT_TRUE(noOverwrite.lastLine().contains("add -y")) << noOverwrite.output.toStdString();
    EXPECT_EQ(ReadAll(Out("keep.mp3")), "earlier output");
    EXPECT_EQ(FolderEntries(out_.path()), QStringList{"keep.mp3"});

    // -y writes beside the earlier output; only -overwrite replaces it.
    const ConvResult beside = RunConv({"-i", Clip("flash.flv"), "-y", "-vn", "-ab", "128k", Out("keep.mp3")});
    EXPECT_EQ(beside.exitCode, 0) << beside.output.toStdString();
    EXPECT_TRUE(beside.lastLine().endsWith("wrote " + Out("keep (2).mp3"))) << beside.output.toStdString();
    EXPECT_EQ(ReadAll(Out("keep.mp3")), "earlier output");
    const ConvResult overwrite =
        RunConv({"-i", Clip("flash.flv"), "-y", "-overwrite", "-vn", "-ab", "128k", Out("keep.mp3")});
    EXPECT_EQ(overwrite.exitCode, 0) << overwrite.output.toStdString();
    EXPECT_EQ(StreamOf(Probe(Out("keep.mp3")), "audio")["codec_name"], "mp3");
}

TEST_F(ConvProgramTest, BadLinesEndWithStatus2AndTouchNothing)
{
    for (const QStringList& arguments : {QStringList{"-i", Clip("flash.flv"), "-y", "-ab", "fast", Out("a.mp3")},
                                         QStringList{"-i", Clip("flash.flv"), "-y", "-deinterlace", Out("a.mp4")},
                                         QStringList{"-i", Clip("flash.flv"), "-y", "-s", "320x", Out("a.mp4")},
                                         QStringList{"-i", Clip("flash.flv"), "-y", Out("a.ogg")},
                                         QStringList{"-i", Clip("flash.flv"), "-y", "-ab"}}) {
        const ConvResult result = RunConv(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(result.output.trimmed().count('\n'), 0) << "one line: " << result.output.toStdString();
    }
    EXPECT_TRUE(FolderEntries(out_.path()).isEmpty());
}

TEST_F(ConvProgramTest, MissingFfmpegIsStatus3AndVersionNamesIt)
{
    const ConvResult version = RunConv({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.output.contains("ffmpeg version")) << version.output.toStdString();

    // A copy of conv with nothing beside it and an empty PATH finds no FFmpeg.
    const QString lonely = Out("conv");
    ASSERT_TRUE(QFile::copy(CONV_PATH, lonely));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PATH", out_.path() + "/nothing-here");
    const ConvResult result = RunConv({"-i", Clip("flash.flv"), "-y", Out("a.mp3")}, lonely, environment);
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_TRUE(result.lastLine().contains("ffmpeg was not found")) << result.output.toStdString();
}

TEST_F(ConvProgramTest, AnInterruptedConversionLeavesNoTraceAndKeepsTheEarlierOutput)
{
    QFile earlier(Out("long.mov"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier output");
    earlier.close();

    QProcess conv;
    conv.setProcessChannelMode(QProcess::MergedChannels);
    conv.start(CONV_PATH, {"-i", Clip("long.flv"), "-y", "-b", "320k", "-s", "720x320", "-ab", "128k", Out("long.mov")});
    QByteArray output;
    while (!output.contains("time=") && conv.waitForReadyRead(30000)) output += conv.readAll();
    ASSERT_TRUE(output.contains("time=")) << output.toStdString();
    conv.terminate();
    ASSERT_TRUE(conv.waitForFinished(30000));
    output += conv.readAll();

    EXPECT_EQ(conv.exitCode(), 130) << output.toStdString();
    EXPECT_TRUE(output.trimmed().endsWith("stopped by signal 15")) << output.toStdString();
    EXPECT_EQ(ReadAll(Out("long.mov")), "earlier output");
    EXPECT_EQ(FolderEntries(out_.path()), QStringList{"long.mov"});
}

// The window may end while a file converts, which breaks the pipe conv prints
// to; the file in hand must still be finished and put in place.
TEST_F(ConvProgramTest, FinishesTheFileWhenItsReaderGoesAway)
{
    QProcess shell;
    shell.start("bash", {"-c", "\"$0\" -i \"$1\" -y -vn -ab 128k \"$2\" | head -c 1 >/dev/null; exit ${PIPESTATUS[0]}",
                         CONV_PATH, Clip("long.flv"), Out("long.mp3")});
    ASSERT_TRUE(shell.waitForFinished(60000));
    EXPECT_EQ(shell.exitCode(), 0) << shell.readAll().toStdString();
    EXPECT_GT(QFileInfo(Out("long.mp3")).size(), 0);
    EXPECT_EQ(FolderEntries(out_.path()), QStringList{"long.mp3"});
}

// A sound that begins a second after the picture begins a second after it in
// every output: in 3GP, whose AMR stream reaches FFmpeg as bare frames, and in
// AVI, which has no start time per stream, as well as in the audio-only ones,
// which keep the second of silence.
TEST_F(ConvProgramTest, LateSoundKeepsItsOffset)
{
    for (const QString& name : {QString("late.3gp"), QString("late.avi"), QString("late.mp4"), QString("late.mp3"),
                                QString("late.amr"), QString("late.wav")}) {
        QStringList arguments{"-i", Clip("late.mkv"), "-y"};
        if (name.endsWith(".3gp")) arguments << "-s"
                                             << "176x144"
                                             << "-acodec"
                                             << "libamr_nb"
                                             << "-ar"
                                             << "8000";
        if (name.endsWith(".amr")) arguments << "-vn"
                                             << "-ar"
                                             << "8000"
                                             << "-ac"
                                             << "1";
        const ConvResult result = RunConv(arguments << Out(name));
        ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
        const QJsonObject video = StreamOf(Probe(Out(name)), "video");
        const double pictureStart = video.isEmpty() ? 0 : video["start_time"].toString().toDouble();
        EXPECT_NEAR(SoundOnset(Out(name)) - pictureStart, 1.0, 0.04) << name.toStdString();
    }
}

// The MP3 encoder's priming must not push a 1 fps picture to its next frame
// tick: the slideshow stays 3 s long, picture and sound.
TEST_F(ConvProgramTest, SlideshowKeepsItsLengthInAvi)
{
    const ConvResult result = RunConv({"-i", Clip("slides.mp4"), "-y", "-s", "160x120", Out("slides.avi")});
    ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
    const QJsonObject probe = Probe(Out("slides.avi"));
    EXPECT_NEAR(StreamOf(probe, "video")["duration"].toString().toDouble(), 3.0, 0.05);
    EXPECT_NEAR(DurationOf(probe), 3.0, 0.1);
    EXPECT_NEAR(SoundOnset(Out("slides.avi")) - StreamOf(probe, "video")["start_time"].toString().toDouble(), 0, 0.04);
}

// A source's timecode must not become a data track beside the picture and
// the sound.
TEST_F(ConvProgramTest, OutputsHoldOnlyPictureAndSound)
{
    for (const QString& name : {QString("tc.mov"), QString("tc.mp4")}) {
        const ConvResult result = RunConv({"-i", Clip("timecode.mov"), "-y", "-s", "160x120", Out(name)});
        ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
        QStringList kinds;
        for (const QJsonValue stream : Probe(Out(name))["streams"].toArray()) kinds << stream["codec_type"].toString();
        EXPECT_EQ(kinds.join(',').toStdString(), "video,audio") << name.toStdString();
    }
}

// conv uses the FFmpeg beside it first. One that drops the sound or stops
// after a second, and still exits 0, must not give a "converted" file.
TEST_F(ConvProgramTest, AnOutputMissingItsSoundOrItsEndIsNotConverted)
{
    const QString realFfmpeg = QStandardPaths::findExecutable("ffmpeg");
    ASSERT_FALSE(realFfmpeg.isEmpty());
    const QString conv = Out("conv");
    ASSERT_TRUE(QFile::copy(CONV_PATH, conv));
    ASSERT_TRUE(QFile::link(QStandardPaths::findExecutable("ffprobe"), Out("ffprobe")));
    const auto useFfmpegThatAdds = [&](const QString& extra) {
        // The extra options go right before the output, the last argument.
        QFile script(Out("ffmpeg"));
        script.remove();
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/bash\nexec '%1' \"${@:1:$#-1}\" %2 \"${@: -1}\"\n").arg(realFfmpeg, extra).toUtf8());
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    };
    struct Case {
        const char* extra;
        QString source;
        const char* output;
        const char* reason;
    };
    for (const Case& c : {Case{"-an", Clip("flash.flv"), "drop.mp4", "no audio stream"},
                          Case{"-t 1", Clip("flash.flv"), "early.avi", "stopped early"},
                          Case{"-t 1", Clip("surround.m4a"), "early.mp3", "stopped early"},
                          Case{"-t 1", Clip("surround.m4a"), "early.amr", "stopped early"},
                          Case{"-t 1", Clip("flash.flv"), "sound.mp3", "stopped early"}}) {
        useFfmpegThatAdds(c.extra);
        QStringList arguments{"-i", c.source, "-y"};
        if (QString(c.output).endsWith(".amr")) arguments << "-vn"
                                                          << "-ar"
                                                          << "8000"
                                                          << "-ac"
                                                          << "1";
        const ConvResult result = RunConv(arguments << Out(c.output), conv);
        EXPECT_EQ(result.exitCode, 1) << c.output << ": " << result.output.toStdString();
        EXPECT_TRUE(result.lastLine().contains(c.reason)) << result.output.toStdString();
        EXPECT_FALSE(QFile::exists(Out(c.output))) << c.output;
    }
    // The same FFmpeg with nothing added converts, also sound that ends
    // before the picture does.
    useFfmpegThatAdds("");
    const ConvResult plain = RunConv({"-i", Clip("flash.flv"), "-y", Out("plain.mp4")}, conv);
    EXPECT_EQ(plain.exitCode, 0) << plain.output.toStdString();
    for (const char* source : {"short-sound.mp4", "late.mkv"}) {
        const ConvResult sound = RunConv({"-i", Clip(source), "-y", "-vn", Out(QString(source) + ".mp3")}, conv);
        EXPECT_EQ(sound.exitCode, 0) << source << ": " << sound.output.toStdString();
    }
}
