#include "SourceInfo.h"

#include <algorithm>
#include <cmath>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tavoclip {
namespace {

// "30000/1001" -> 29.97; 0 for "0/0" and anything unreadable.
double ReadRate(const QString& text)
{
    const QStringList parts = text.split('/');
    bool numOk = false;
    bool denOk = true;
    const double num = parts.value(0).toDouble(&numOk);
    const double den = parts.size() > 1 ? parts[1].toDouble(&denOk) : 1.0;
    if (!numOk || !denOk || num <= 0 || den <= 0) return 0;
    return num / den;
}

// "00:00:03.000000000", Matroska's length tag; 0 when unreadable.
double ReadClock(const QString& text)
{
    const QStringList parts = text.split(':');
    if (parts.size() != 3) return 0;
    bool ok[3] = {};
    const double seconds = parts[0].toDouble(&ok[0]) * 3600 + parts[1].toDouble(&ok[1]) * 60 + parts[2].toDouble(&ok[2]);
    return ok[0] && ok[1] && ok[2] ? seconds : 0;
}

// Sets where the sound starts and ends, relative to the source's start.
// Matroska gives no stream length, only a tag that FFmpeg fills with the
// stream's last timestamp; read as an end, it can only make the sound seem
// shorter than it is, never longer.
void ReadSoundSpan(const QJsonObject& stream, double sourceStart, AudioStreamInfo& audio)
{
    bool hasStart = false;
    const double start = stream["start_time"].toString().toDouble(&hasStart);
    audio.startSeconds = hasStart ? std::max(0.0, start - sourceStart) : 0;
    const double length = stream["duration"].toString().toDouble();
    const double taggedEnd = ReadClock(stream["tags"].toObject()["DURATION"].toString());
    if (length > 0) audio.endSeconds = audio.startSeconds + length;
    else if (taggedEnd > 0) audio.endSeconds = std::max(audio.startSeconds, taggedEnd - sourceStart);
}

// The end of the last packet read, on the source's clock, of one stream or
// (streamIndex -1) of all; 0 when none.
double PacketsEnd(const QJsonArray& packets, double sourceStart, int streamIndex = -1)
{
    double reach = 0;
    for (const QJsonValue value : packets) {
        const QJsonObject packet = value.toObject();
        if (streamIndex >= 0 && packet["stream_index"].toInt(-1) != streamIndex) continue;
        bool hasTime = false;
        const double time = packet["pts_time"].toString().toDouble(&hasTime);
        if (!hasTime) continue;
        reach = std::max(reach, time + std::max(0.0, packet["duration_time"].toString().toDouble()) - sourceStart);
    }
    return reach;
}

// "16:11" -> 16 and 11; nothing for "0:1", "N/A" and anything unreadable.
void ReadPixelAspect(const QString& text, VideoStreamInfo& video)
{
    const QStringList parts = text.split(':');
    bool widthOk = false;
    bool heightOk = false;
    const int width = parts.value(0).toInt(&widthOk);
    const int height = parts.value(1).toInt(&heightOk);
    if (parts.size() != 2 || !widthOk || !heightOk || width <= 0 || height <= 0) return;
    video.pixelAspectWidth = width;
    video.pixelAspectHeight = height;
}

// The display matrix's turn; older ffprobe gave it as a "rotate" tag only.
int ReadRotation(const QJsonObject& stream)
{
    for (const QJsonValue value : stream["side_data_list"].toArray()) {
        const QJsonObject sideData = value.toObject();
        if (sideData.contains("rotation")) return sideData["rotation"].toInt();
    }
    return stream["tags"].toObject()["rotate"].toString().toInt();
}

// The facts about the picture's shape and start.
void ReadPicture(const QJsonObject& stream, double sourceStart, VideoStreamInfo& video)
{
    ReadPixelAspect(stream["sample_aspect_ratio"].toString(), video);
    video.rotation = ReadRotation(stream);
    bool hasStart = false;
    const double start = stream["start_time"].toString().toDouble(&hasStart);
    video.startSeconds = hasStart ? std::max(0.0, start - sourceStart) : 0;
}

bool IsCoverArt(const QJsonObject& stream)
{
    return stream["disposition"].toObject()["attached_pic"].toInt() != 0;
}

bool IsDefault(const QJsonObject& stream) { return stream["disposition"].toObject()["default"].toInt() != 0; }

// The first sound stream marked default is the one a player plays; without
// such a mark, the first sound stream.
void ReadAudio(const QJsonObject& stream, double sourceStart, int ordinal, bool& chosenIsDefault, SourceInfo& info)
{
    if (stream["channels"].toInt() <= 0 || (info.audio && (chosenIsDefault || !IsDefault(stream)))) return;
    chosenIsDefault = IsDefault(stream);
    info.audio = AudioStreamInfo{stream["index"].toInt(), stream["sample_rate"].toString().toInt(),
                                 stream["channels"].toInt()};
    info.audio->ordinal = ordinal;
    const QString layout = stream["channel_layout"].toString();
    info.audio->layoutKnown = !layout.isEmpty() && layout != "unknown";
    ReadSoundSpan(stream, sourceStart, *info.audio);
}

void ReadVideo(const QJsonObject& stream, double sourceStart, SourceInfo& info)
{
    if (info.video || IsCoverArt(stream) || stream["width"].toInt() <= 0) return;
    VideoStreamInfo video{stream["index"].toInt(), stream["width"].toInt(), stream["height"].toInt(), 0, false};
    SetFrameRates(video, ReadRate(stream["avg_frame_rate"].toString()), ReadRate(stream["r_frame_rate"].toString()),
                  0.01);
    ReadPicture(stream, sourceStart, video);
    info.video = video;
}

}  // namespace

FrameSize UprightSize(const VideoStreamInfo& video)
{
    const bool sideways = std::abs(video.rotation) % 180 == 90;
    return sideways ? FrameSize{video.height, video.width} : FrameSize{video.width, video.height};
}

double DisplayAspect(const VideoStreamInfo& video)
{
    if (video.width <= 0 || video.height <= 0) return 1;
    const double stored = static_cast<double>(video.width) * video.pixelAspectWidth /
                          (static_cast<double>(video.height) * video.pixelAspectHeight);
    return std::abs(video.rotation) % 180 == 90 ? 1 / stored : stored;
}

// Variable-rate sources report an odd real rate (such as 1000 fps for a
// millisecond time base); the average is the better guide then.
void SetFrameRates(VideoStreamInfo& video, double average, double real, double tolerance)
{
    video.framesPerSecond = average > 0 && average <= 240 ? average : real <= 240 ? real
                                                                                  : 0;
    video.variableRate = average > 0 && std::abs(average - real) > tolerance;
}

std::optional<SourceInfo> ParseProbeOutput(const QByteArray& json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject()) return std::nullopt;
    const QJsonObject root = document.object();

    SourceInfo info;
    double longestStream = 0;
    const QJsonObject format = root["format"].toObject();
    const double sourceStart = format["start_time"].toString().toDouble();
    int audioOrdinal = 0;
    bool audioIsDefault = false;
    for (const QJsonValue value : root["streams"].toArray()) {
        const QJsonObject stream = value.toObject();
        const QString type = stream["codec_type"].toString();
        if (type == "video") ReadVideo(stream, sourceStart, info);
        if (type == "audio") ReadAudio(stream, sourceStart, audioOrdinal++, audioIsDefault, info);
        longestStream = std::max(longestStream, stream["duration"].toString().toDouble());
    }
    info.packetsEndSeconds = PacketsEnd(root["packets"].toArray(), sourceStart);
    // Packets read from the sound show how far it reaches at least, when the
    // container does not say.
    if (info.audio)
        info.audio->endSeconds =
            std::max(info.audio->endSeconds, PacketsEnd(root["packets"].toArray(), sourceStart, info.audio->index));
    const QJsonObject tags = format["tags"].toObject();
    for (auto tag = tags.begin(); tag != tags.end(); ++tag)
        info.tags[tag.key().toStdString()] = tag.value().toString().toStdString();
    const double formatDuration = format["duration"].toString().toDouble();
    info.durationSeconds = formatDuration > 0 ? formatDuration : longestStream;
    return info;
}

}  // namespace tavoclip
