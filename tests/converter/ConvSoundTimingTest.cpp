// Where the sound of a converted file is heard: the built conv on a clip with
// two tone bursts at known times, the output decoded as a player would.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// Tone bursts at 0.0-0.2 s and 1.0-1.2 s, silence between and after; the
// picture runs from 0 to 2 s.
const QString kBursts = "aevalsrc='if(lt(t,0.2)+between(t,1,1.2),sin(2*PI*1000*t),0)':s=%1:d=2";

bool RunProgram(const QString& program, const QStringList& arguments, QString* output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.closeWriteChannel();
    const bool done = process.waitForFinished(60000);
    if (output) *output = QString::fromUtf8(process.readAll());
    return done && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The first picture's time on the file's own clock; nullopt without a picture.
std::optional<double> PictureStart(const QString& path)
{
    QProcess process;
    process.start("ffprobe", {"-v", "error", "-of", "json", "-show_streams", "-select_streams", "v:0", path});
    process.waitForFinished(30000);
    const QJsonArray streams = QJsonDocument::fromJson(process.readAllStandardOutput())["streams"].toArray();
    if (streams.isEmpty()) return std::nullopt;
    return streams[0]["start_time"].toString().toDouble();
}

struct Heard {
    bool clean = false;          // decoded from its start to its end without a message
    double firstSample = 0;      // the first decoded sample's time, on the file's own clock
    std::vector<double> starts;  // when the sound becomes audible, on the file's own clock
};

// Decodes the whole sound as a player would: the first decoded sample counts
// as a start unless the file begins with silence, then the end of every
// silence of 50 ms or more (not the one the file ends in, reported at its end).
Heard Listen(const QString& path)
{
    Heard heard;
    QString errors;
    heard.clean = RunProgram("ffmpeg", {"-nostdin", "-v", "error", "-i", path, "-f", "null", "-"}, &errors) &&
                  errors.trimmed().isEmpty();
    QString log;
    RunProgram("ffmpeg", {"-nostdin", "-hide_banner", "-copyts", "-i", path, "-map", "0:a:0", "-af", "silencedetect=n=-40dB:d=0.05,ashowinfo", "-f", "null", "-"},
               &log);
    const auto times = [&](const QString& key) {
        std::vector<double> found;
        QRegularExpressionMatchIterator it = QRegularExpression(key + "([-0-9.e]+)").globalMatch(log);
        while (it.hasNext()) found.push_back(it.next().captured(1).toDouble());
        return found;
    };
    const std::vector<double> frames = times("pts_time:");
    const std::vector<double> silenceStarts = times("silence_start: ");
    if (frames.empty()) return heard;
    heard.firstSample = frames.front();
    if (silenceStarts.empty() || std::abs(silenceStarts.front() - frames.front()) > 0.03)
        heard.starts.push_back(frames.front());
    for (double end : times("silence_end: "))
        if (end < frames.back()) heard.starts.push_back(end);
    return heard;
}

}  // namespace

// Windows Media files are easy to get a frame late: the WMA encoder primes
// itself with a frame and its decoder drops one. The bursts must be heard
// where they are in the source, the first one from the very start, in WMV
// against the picture and in WMA against the file's start, at the rates
// where the encoder's frame differs in length.
TEST(ConvSoundTimingTest, WindowsMediaSoundIsHeardOnTime)
{
    QTemporaryDir folder;
    struct Case {
        const char* output;
        int sourceRate;
        QStringList options;
    };
    for (const Case& c : {Case{"bursts.wmv", 44100, {"-vcodec", "wmv2", "-acodec", "wmav2", "-b", "256k", "-s", "160x120", "-ab", "128k"}},
                          Case{"bursts.wma", 44100, {"-vn", "-acodec", "wmav1", "-ab", "128k"}},
                          Case{"bursts22.wma", 22050, {"-vn", "-acodec", "wmav2", "-ab", "64k"}},
                          Case{"bursts16.wma", 16000, {"-vn", "-acodec", "wmav1", "-ab", "64k"}}}) {
        const QString source = folder.filePath(QString("source%1.mkv").arg(c.sourceRate));
        ASSERT_TRUE(RunProgram("ffmpeg", {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                                          "testsrc=size=160x120:rate=25:duration=2", "-f", "lavfi", "-i",
                                          kBursts.arg(c.sourceRate), "-c:v", "mpeg4", "-c:a", "pcm_s16le", source}));
        const QString output = folder.filePath(c.output);
        QString log;
        ASSERT_TRUE(RunProgram(CONV_PATH, QStringList{"-i", source, "-y"} + c.options + QStringList{output}, &log))
            << log.toStdString();

        const Heard heard = Listen(output);
        EXPECT_TRUE(heard.clean) << c.output << " does not decode cleanly";
        const double pictureStart = PictureStart(output).value_or(0);
        ASSERT_EQ(heard.starts.size(), 2u) << c.output;
        EXPECT_NEAR(heard.starts[0] - pictureStart, 0.0, 0.04) << c.output;
        EXPECT_NEAR(heard.starts[1] - pictureStart, 1.0, 0.04) << c.output;
    }
}

namespace {

// A beep from 1.0 to 1.3 s against a picture from 0 to 3 s at 25 fps.
const QString kPicture = "testsrc=size=160x120:rate=25:duration=3";
const QString kBeep = "aevalsrc='if(between(t,1,1.3),sin(2*PI*1000*t),0)':s=%1:d=3";

// When the beep is first heard after the first picture, or after the first
// sample where there is no picture.
double BeepAfterStart(const QString& path)
{
    const Heard heard = Listen(path);
    EXPECT_TRUE(heard.clean) << path.toStdString() << " does not decode cleanly";
    if (heard.starts.empty()) return -1;
    return heard.starts.front() - PictureStart(path).value_or(heard.firstSample);
}

struct TimedSource {
    const char* name;
    int sampleRate;
    QStringList making;                                        // FFmpeg's options for the source, after its two inputs
    std::vector<std::pair<const char*, QStringList>> outputs;  // output name, conv options after "-i src -y"
};

void PrintTo(const TimedSource& source, std::ostream* os) { *os << source.name; }

class ConvSoundOffsetTest : public ::testing::TestWithParam<TimedSource> {};

const QStringList kVideoLine{"-b", "128k", "-s", "320x240", "-ab", "128k"};
const QStringList kWmvLine{"-vcodec", "wmv2", "-acodec", "wmav2", "-b", "128k", "-s", "320x240", "-ab", "128k"};
const QStringList k3gpLine{"-b", "128k", "-s", "176x144", "-acodec", "libamr_nb", "-ac", "1", "-ar", "8000",
                           "-ab", "4.75k"};

}  // namespace

// Sources as Flash-era tools, a camera or a TV recorder leave them: the sound
// after the picture by an encoder's priming, MP3 in AVI that has none
// compensated, WMA that a decoder starts a frame in, a stream with two
// programs. The beep must come as long after the first picture as in the
// source: within a frame in a video format (a player starts the picture on
// its first frame), within 25 ms in a sound format.
TEST_P(ConvSoundOffsetTest, TheBeepComesAsLongAfterTheFirstPictureAsInTheSource)
{
    const TimedSource& row = GetParam();
    QTemporaryDir folder;
    const QString source = folder.filePath(row.name);
    ASSERT_TRUE(RunProgram("ffmpeg", QStringList{"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i", kPicture, "-f",
                                                 "lavfi", "-i", kBeep.arg(row.sampleRate)} +
                                         row.making + QStringList{source}));
    const double expected = BeepAfterStart(source);
    for (const auto& [name, options] : row.outputs) {
        const QString output = folder.filePath(name);
        QString log;
        ASSERT_TRUE(RunProgram(CONV_PATH, QStringList{"-i", source, "-y"} + options + QStringList{output}, &log))
            << log.toStdString();
        const double tolerance = PictureStart(output) ? 0.04 : 0.025;
        EXPECT_NEAR(BeepAfterStart(output), expected, tolerance) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sources, ConvSoundOffsetTest,
    ::testing::Values(
        TimedSource{"mp3.flv", 44100, {"-c:v", "flv", "-c:a", "libmp3lame"}, {{"a.avi", kVideoLine}, {"a.mp3", {"-vn", "-ab", "128k"}}}},
        TimedSource{"aac.flv", 44100, {"-c:v", "flv", "-c:a", "aac"}, {{"a.avi", kVideoLine}}},
        TimedSource{"nellymoser.flv", 22050, {"-c:v", "flv", "-c:a", "nellymoser", "-ac", "1"}, {{"a.avi", kVideoLine}, {"a.mp3", {"-vn", "-ab", "128k"}}}},
        TimedSource{"speex.flv", 16000, {"-c:v", "flv", "-c:a", "libspeex", "-ac", "1"}, {{"a.avi", kVideoLine}}},
        TimedSource{"xvid.avi", 44100, {"-c:v", "libxvid", "-c:a", "libmp3lame"}, {{"a.avi", kVideoLine}}},
        TimedSource{"two-programs.ts", 48000, {"-map", "0:v", "-map", "1:a", "-map", "0:v", "-map", "1:a", "-c:v", "mpeg2video", "-c:a", "mp2", "-program", "title=A:st=0:st=1", "-program", "title=B:st=2:st=3"}, {{"a.avi", kVideoLine}}},
        TimedSource{"wma2.wmv", 44100, {"-c:v", "wmv2", "-c:a", "wmav2"}, {{"a.mpg", kVideoLine}, {"a.wmv", kWmvLine}, {"a.mov", kVideoLine}, {"a.avi", kVideoLine}, {"a.mp4", kVideoLine}, {"a.3gp", k3gpLine}, {"a.amr", {"-vn", "-ar", "8000", "-ab", "4.75k", "-ac", "1"}}}}),
    [](const ::testing::TestParamInfo<TimedSource>& info) {
        std::string name = info.param.name;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
        return name;
    });
