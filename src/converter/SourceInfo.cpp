#include "SourceInfo.h"

#include <algorithm>
#include <cmath>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tavoclip {
namespace {

// "30000/1001" -> 29.97; 0 for "0/0" and anything unreadable.
double ReadRate(const QString& text) {
    const QStringList parts = text.split('/');
    bool numOk = false;
    bool denOk = true;
    const double num = parts.value(0).toDouble(&numOk);
    const double den = parts.size() > 1 ? parts[1].toDouble(&denOk) : 1.0;
    if (!numOk || !denOk || num <= 0 || den <= 0) return 0;
    return num / den;
}

bool IsCoverArt(const QJsonObject& stream) {
    return stream["disposition"].toObject()["attached_pic"].toInt() != 0;
}

void ReadStream(const QJsonObject& stream, SourceInfo& info) {
    const QString type = stream["codec_type"].toString();
    const int index = stream["index"].toInt();
    if (type == "video" && !info.video && !IsCoverArt(stream) && stream["width"].toInt() > 0) {
        VideoStreamInfo video{index, stream["width"].toInt(), stream["height"].toInt(), 0, false};
        SetFrameRates(video, ReadRate(stream["avg_frame_rate"].toString()), ReadRate(stream["r_frame_rate"].toString()),
                      0.01);
        info.video = video;
    } else if (type == "audio" && !info.audio && stream["channels"].toInt() > 0) {
        info.audio = AudioStreamInfo{index, stream["sample_rate"].toString().toInt(), stream["channels"].toInt()};
    }
}

}  // namespace

// Variable-rate sources report an odd real rate (such as 1000 fps for a
// millisecond time base); the average is the better guide then.
void SetFrameRates(VideoStreamInfo& video, double average, double real, double tolerance) {
    video.framesPerSecond = average > 0 && average <= 240 ? average : real <= 240 ? real : 0;
    video.variableRate = average > 0 && std::abs(average - real) > tolerance;
}

std::optional<SourceInfo> ParseProbeOutput(const QByteArray& json) {
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject()) return std::nullopt;
    const QJsonObject root = document.object();

    SourceInfo info;
    double longestStream = 0;
    for (const QJsonValue value : root["streams"].toArray()) {
        const QJsonObject stream = value.toObject();
        ReadStream(stream, info);
        longestStream = std::max(longestStream, stream["duration"].toString().toDouble());
    }
    const double formatDuration = root["format"].toObject()["duration"].toString().toDouble();
    info.durationSeconds = formatDuration > 0 ? formatDuration : longestStream;
    return info;
}

}  // namespace tavoclip
