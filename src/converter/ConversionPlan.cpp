#include "ConversionPlan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <span>

#include "PictureShape.h"
#include "SoundFilter.h"
#include "SourceConfinement.h"
#include "TagArguments.h"

namespace tavoclip {
namespace {

constexpr std::array<int, 14> kMp2Kbps{32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384};
constexpr std::array<int, 14> kLameKbps{32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
constexpr std::array<int, 9> kLameRates{8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};

struct FrameRate {
    const char* text;
    double value;
};
constexpr std::array<FrameRate, 8> kMpeg1Rates{{{"24000/1001", 24000.0 / 1001},
                                                {"24", 24},
                                                {"25", 25},
                                                {"30000/1001", 30000.0 / 1001},
                                                {"30", 30},
                                                {"50", 50},
                                                {"60000/1001", 60000.0 / 1001},
                                                {"60", 60}}};

// The longest lead of the sound over the first picture that the output leaves
// out (see PlanBuilder::PictureLead).
constexpr double kLongestPictureLead = 0.25;

// Sizes H.263 can code; any other size goes into 3GP as MPEG-4 Part 2.
constexpr std::array<FrameSize, 5> kH263Sizes{{{128, 96}, {176, 144}, {352, 288}, {704, 576}, {1408, 1152}}};

std::string Kbps(std::int64_t bits)
{
    char text[32];
    std::snprintf(text, sizeof text, "%gk", static_cast<double>(bits) / 1000);
    return text;
}

std::string Hz(int rate) { return std::to_string(rate) + " Hz"; }

std::string Fps(double rate)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4g fps", rate);
    return text;
}

int Nearest(std::span<const int> values, double wanted)
{
    int best = values.front();
    for (int value : values)
        if (std::abs(value - wanted) < std::abs(best - wanted)) best = value;
    return best;
}

bool Contains(std::span<const int> values, int wanted)
{
    return std::find(values.begin(), values.end(), wanted) != values.end();
}

// The audio settings as they go to FFmpeg, adjusted step by step.
struct AudioSettings {
    std::int64_t bitrate = 0;  // 0: the encoder's own default
    int sampleRate = 0;
    int channels = 0;
};

class PlanBuilder {
public:
    PlanBuilder(const ConvRequest& request, const OutputContainer& container, const SourceInfo& source)
        : request_(request), container_(container), source_(source) {}

    ConversionPlan Build(const std::string& temporaryOutput);

private:
    void Note(std::string text) { plan_.notes.push_back(std::move(text)); }
    std::string ChooseStreams();
    double PictureLead() const;
    void AddInput(std::vector<std::string>& args) const;
    void AddVideo(std::vector<std::string>& args);
    void AddAudio(std::vector<std::string>& args);
    void AddMpeg1Rate(std::vector<std::string>& args);
    AudioSettings StartAudio() const;
    void LimitChannels(AudioSettings& audio, std::string_view codec);
    void AdjustMp2(AudioSettings& audio);
    void AdjustLame(AudioSettings& audio);
    void AdjustAac(AudioSettings& audio);
    void AdjustWma(AudioSettings& audio);
    void BuildPcm();
    void BuildAmrMux(std::vector<std::string>& args);
    std::string SoundMap() const { return "0:a:" + std::to_string(source_.audio->ordinal); }

    const ConvRequest& request_;
    const OutputContainer& container_;
    const SourceInfo& source_;
    ConversionPlan plan_;
    bool useVideo_ = false;
    bool useAudio_ = false;
    double pictureLead_ = 0;  // seconds of sound before the first picture that the output leaves out
};

std::string PlanBuilder::ChooseStreams()
{
    useVideo_ = !container_.audioOnly && !request_.noVideo && source_.video.has_value();
    useAudio_ = source_.audio.has_value();
    if (container_.audioOnly || request_.noVideo) {
        if (!useAudio_)
            return "the source has no audio: there is nothing to convert to " + std::string(container_.label);
        return {};
    }
    if (!useVideo_ && !useAudio_) return "the source holds neither video nor audio";
    if (!useVideo_) Note("the source has no video: writing the audio alone");
    return {};
}

// Where the first picture comes a little after the sound (an encoder's
// priming shifted into the source, a camera's first key frame), the output
// starts on that picture: its time 0 is the source's first picture, in
// picture and sound alike, so that a player, which starts a picture on its
// first frame, hears the sound where the source has it. Otherwise the first
// picture would either be moved onto 0 or shown twice from there, and the
// sound would come late by as much. A longer lead is kept (the first picture
// is held from 0), and with a cut the cut's start is the output's 0.
double PlanBuilder::PictureLead() const
{
    if (!useAudio_ || !source_.video || request_.startSeconds) return 0;
    const double lead = source_.video->startSeconds;
    return lead > 0 && lead <= kLongestPictureLead ? lead : 0;
}

void PlanBuilder::AddInput(std::vector<std::string>& args) const
{
    // "info" for the description of the source, "level" to tell errors apart.
    args.insert(args.end(), {"-nostdin", "-hide_banner", "-loglevel", "level+info", "-y"});
    // -ss before -i seeks the input itself (fast), and FFmpeg then decodes
    // exactly from the start point; -t after -i counts output time.
    if (request_.startSeconds) args.insert(args.end(), {"-ss", std::to_string(*request_.startSeconds)});
    const std::vector<std::string> confined = SourceInputOptions();
    args.insert(args.end(), confined.begin(), confined.end());
    if (pictureLead_ > 0) {
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "-%.6f", pictureLead_);
        args.insert(args.end(), {"-itsoffset", seconds});
    }
    args.insert(args.end(), {"-i", FfmpegFileUrl(request_.sourcePath)});
}

void PlanBuilder::AddMpeg1Rate(std::vector<std::string>& args)
{
    const double sourceRate = source_.video->framesPerSecond > 0 ? source_.video->framesPerSecond : 25;
    const FrameRate* best = &kMpeg1Rates[0];
    for (const FrameRate& rate : kMpeg1Rates)
        if (std::abs(rate.value - sourceRate) < std::abs(best->value - sourceRate)) best = &rate;
    const bool allowed = std::abs(best->value - sourceRate) <= 0.01;
    if (!allowed) Note("MPEG-1 cannot store " + Fps(sourceRate) + ": using " + Fps(best->value));
    // MPEG-1 has no variable frame rate; a source with one is made constant.
    if (!allowed || source_.video->variableRate || source_.video->framesPerSecond <= 0)
        args.insert(args.end(), {"-r", best->text});
}

void PlanBuilder::AddVideo(std::vector<std::string>& args)
{
    if (!useVideo_) {
        args.push_back("-vn");
        return;
    }
    const PictureShape shape = ChoosePictureShape(container_.fit, request_.frameSize, *source_.video);
    for (const std::string& note : shape.notes) Note(note);
    const FrameSize size = shape.frame.value_or(UprightSize(*source_.video));
    std::string codec(container_.videoCodec);
    if (container_.extension == ".3gp" &&
        std::find(kH263Sizes.begin(), kH263Sizes.end(), size) == kH263Sizes.end()) {
        codec = "mpeg4";
        Note("H.263 cannot code " + std::to_string(size.width) + "x" + std::to_string(size.height) +
             ": writing MPEG-4 video at that size");
    }
    args.insert(args.end(), {"-map", "0:V:0", "-c:v", codec});
    if (request_.videoBitrate) args.insert(args.end(), {"-b:v", std::to_string(*request_.videoBitrate)});
    if (!shape.filter.empty()) args.insert(args.end(), {"-vf", shape.filter});
    else if (shape.frame) args.insert(args.end(), {"-s", std::to_string(size.width) + "x" + std::to_string(size.height)});
    args.insert(args.end(), {"-pix_fmt", "yuv420p"});
    if (codec == "mpeg1video") AddMpeg1Rate(args);
}

AudioSettings PlanBuilder::StartAudio() const
{
    const int sourceRate = source_.audio->sampleRate > 0 ? source_.audio->sampleRate : 44100;
    return {request_.audioBitrate.value_or(0), request_.sampleRate.value_or(sourceRate),
            request_.channels.value_or(source_.audio->channels)};
}

void PlanBuilder::LimitChannels(AudioSettings& audio, std::string_view codec)
{
    if (audio.channels <= 2) return;
    Note(std::string(codec) + " takes at most 2 channels: mixing " + std::to_string(audio.channels) +
         " channels down to stereo");
    audio.channels = 2;
}

void PlanBuilder::AdjustMp2(AudioSettings& audio)
{
    LimitChannels(audio, "MP2 audio");
    int kbps = 0;
    if (audio.bitrate) {
        kbps = Nearest(kMp2Kbps, audio.bitrate / 1000.0);
        if (kbps * 1000 != audio.bitrate) Note("MP2 has no " + Kbps(audio.bitrate) + " rate: using " + std::to_string(kbps) + "k");
        audio.bitrate = kbps * 1000;
    }
    const bool fullRate = audio.sampleRate == 32000 || audio.sampleRate == 44100 || audio.sampleRate == 48000;
    const bool halfRate = audio.sampleRate == 16000 || audio.sampleRate == 22050 || audio.sampleRate == 24000;
    if (fullRate || (halfRate && kbps <= 160)) return;
    if (halfRate) Note("MP2 carries at most 160k at " + Hz(audio.sampleRate) + ": resampling to 44100 Hz");
    audio.sampleRate = 44100;
}

void PlanBuilder::AdjustLame(AudioSettings& audio)
{
    LimitChannels(audio, "MP3 audio");
    if (!Contains(kLameRates, audio.sampleRate)) audio.sampleRate = audio.sampleRate > 44100 ? 48000 : 44100;
    if (!audio.bitrate) return;
    const int kbps = Nearest(kLameKbps, audio.bitrate / 1000.0);
    if (kbps * 1000 != audio.bitrate) Note("MP3 has no " + Kbps(audio.bitrate) + " rate: using " + std::to_string(kbps) + "k");
    audio.bitrate = kbps * 1000;
    // LAME quietly lowers the bitrate to what the sample rate allows.
    const int ceiling = audio.sampleRate >= 32000 ? 320 : audio.sampleRate >= 16000 ? 160
                                                                                    : 64;
    if (kbps <= ceiling) return;
    const int rate = kbps <= 160 ? 22050 : 44100;
    Note("MP3 carries at most " + std::to_string(ceiling) + "k at " + Hz(audio.sampleRate) + ": resampling to " + Hz(rate));
    audio.sampleRate = rate;
}

void PlanBuilder::AdjustAac(AudioSettings& audio)
{
    LimitChannels(audio, "AAC audio");
    if (!audio.bitrate) return;
    // FFmpeg's AAC encoder holds at most 6144 bits per channel in a frame of
    // 1024 samples and lowers anything above that without failing.
    auto ceiling = [&](int rate) { return static_cast<std::int64_t>(6) * rate * audio.channels; };
    if (audio.bitrate <= ceiling(audio.sampleRate)) return;
    for (int rate : {44100, 48000}) {
        if (rate > audio.sampleRate && audio.bitrate <= ceiling(rate)) {
            Note("AAC carries at most " + Kbps(ceiling(audio.sampleRate)) + " at " + Hz(audio.sampleRate) +
                 ": resampling to " + Hz(rate));
            audio.sampleRate = rate;
            return;
        }
    }
    const int rate = std::max(audio.sampleRate, 48000);
    Note("AAC carries at most " + Kbps(ceiling(rate)) + " for " + std::to_string(audio.channels) +
         " channel(s): using " + Kbps(ceiling(rate)) + " at " + Hz(rate));
    audio.sampleRate = rate;
    audio.bitrate = ceiling(rate);
}

void PlanBuilder::AdjustWma(AudioSettings& audio)
{
    LimitChannels(audio, "WMA audio");
    if (audio.sampleRate > 48000) audio.sampleRate = 48000;
}

void PlanBuilder::AddAudio(std::vector<std::string>& args)
{
    if (!useAudio_) {
        args.push_back("-an");
        return;
    }
    AudioEncoder encoder = container_.audio;
    if (request_.audioCodec == "wmav1") encoder = AudioEncoder::Wma1;
    if (request_.audioCodec == "wmav2") encoder = AudioEncoder::Wma2;
    AudioSettings audio = StartAudio();
    switch (encoder) {
        case AudioEncoder::Mp2:
            AdjustMp2(audio);
            break;
        case AudioEncoder::Lame:
            AdjustLame(audio);
            break;
        case AudioEncoder::Aac:
            AdjustAac(audio);
            break;
        case AudioEncoder::Wma1:
        case AudioEncoder::Wma2:
            AdjustWma(audio);
            break;
        case AudioEncoder::Pcm:
            if (audio.bitrate) Note("WAV holds uncompressed PCM: the audio bitrate " + Kbps(audio.bitrate) + " does not apply");
            audio.bitrate = 0;
            break;
        case AudioEncoder::AmrNb:
            return;
    }
    const int sourceRate = source_.audio->sampleRate > 0 ? source_.audio->sampleRate : audio.sampleRate;
    args.insert(args.end(), {"-map", SoundMap(), "-af",
                             SoundFilter(encoder, audio.sampleRate, sourceRate, container_.muxer == "avi"), "-c:a",
                             std::string(FfmpegAudioCodec(encoder))});
    if (audio.bitrate) args.insert(args.end(), {"-b:a", std::to_string(audio.bitrate)});
    // Only what differs from the source is spelled out, so that the line for
    // an ordinary source does not depend on the source (see ConvProgram).
    if (request_.sampleRate || audio.sampleRate != source_.audio->sampleRate)
        args.insert(args.end(), {"-ar", std::to_string(audio.sampleRate)});
    // A source that gives a count of channels without saying which they are
    // (Flash's Speex, some raw streams) leaves some encoders, AAC among them,
    // without a layout; naming the count gives them its standard layout.
    if (request_.channels || audio.channels != source_.audio->channels || !source_.audio->layoutKnown)
        args.insert(args.end(), {"-ac", std::to_string(audio.channels)});
}

void PlanBuilder::BuildPcm()
{
    const std::int64_t asked = request_.audioBitrate.value_or(12200);
    plan_.amrMode = NearestAmrMode(asked);
    if (!plan_.amrMode->exact)
        Note("AMR-NB has no " + Kbps(asked) + " mode: using " + Kbps(plan_.amrMode->bitsPerSecond));
    if (request_.sampleRate && *request_.sampleRate != AmrNbEncoder::kSampleRate)
        Note("AMR-NB is always 8000 Hz: ignoring -ar " + std::to_string(*request_.sampleRate));
    if (request_.channels && *request_.channels != 1)
        Note("AMR-NB is always mono: ignoring -ac " + std::to_string(*request_.channels));

    auto& args = plan_.pcmArguments;
    AddInput(args);
    if (request_.lengthSeconds) args.insert(args.end(), {"-t", std::to_string(*request_.lengthSeconds)});
    args.insert(args.end(), {"-map", SoundMap(), "-vn", "-sn", "-dn", "-af",
                             SoundFilter(AudioEncoder::Pcm, AmrNbEncoder::kSampleRate, 0, false),
                             "-c:a", "pcm_s16le", "-ar", "8000", "-ac", "1", "-f", "s16le", "-flush_packets", "0", "pipe:1"});
}

// conv's AMR stream arrives on standard input as the second input. FFmpeg
// opens every input before it encodes a frame, and by default reads 5 s of a
// stream to learn its format; the AMR stream says all there is in its first
// frame, and waiting for 5 s of it (a second segment of conv's encoder) only
// holds the picture's encoding back.
void PlanBuilder::BuildAmrMux(std::vector<std::string>& args)
{
    args.insert(args.end(), {"-f", "amr", "-analyzeduration", "20000", "-i", "pipe:0"});
}

ConversionPlan PlanBuilder::Build(const std::string& temporaryOutput)
{
    plan_.error = ChooseStreams();
    if (!plan_.error.empty()) return plan_;
    if (request_.startSeconds && source_.durationSeconds > 0 && *request_.startSeconds >= source_.durationSeconds) {
        char text[160];
        std::snprintf(text, sizeof text, "the start %gs lies beyond the end of the source (%.2fs)",
                      *request_.startSeconds, source_.durationSeconds);
        plan_.error = text;
        return plan_;
    }
    pictureLead_ = PictureLead();
    const double remaining =
        std::max(0.0, source_.durationSeconds - request_.startSeconds.value_or(0) - pictureLead_);
    const double asked = request_.lengthSeconds ? std::min(*request_.lengthSeconds, remaining) : remaining;
    // FFmpeg's description gives the length of the whole source only: sound
    // alone may end before the picture does.
    plan_.expected = {useVideo_, useAudio_, asked, !useVideo_ && source_.video.has_value()};

    const bool amrAudio = useAudio_ && container_.audio == AudioEncoder::AmrNb;
    if (amrAudio) BuildPcm();
    if (container_.muxer.empty()) return plan_;  // .amr: conv writes the file

    auto& args = plan_.encodeArguments;
    AddInput(args);
    if (amrAudio) BuildAmrMux(args);
    args.insert(args.end(), {"-progress", "pipe:1", "-nostats", "-stats_period", "0.25"});
    if (request_.lengthSeconds) args.insert(args.end(), {"-t", std::to_string(*request_.lengthSeconds)});
    AddVideo(args);
    if (amrAudio) args.insert(args.end(), {"-map", "1:a", "-c:a", "copy"});
    else AddAudio(args);
    // The MP3 encoder's priming starts the sound a little before 0. Shifting
    // every stream to make that positive would move the picture to the next
    // frame tick, a whole second for a slideshow; AVI starts both at 0 anyway.
    if (container_.muxer == "avi") args.insert(args.end(), {"-avoid_negative_ts", "disabled"});
    // The WMA encoder's priming and the silence put before a WMA sound (see
    // SoundFilter) start it before 0 as well. Shifting every stream to make
    // that positive would start a WMA file's sound that much after the file's
    // start. ASF counts its times from a preroll, so a start a little before 0
    // is valid, and the decoded sound still begins at 0.
    if (container_.muxer == "asf") args.insert(args.end(), {"-avoid_negative_ts", "disabled"});
    // The QuickTime family otherwise turns a source's timecode into a data
    // track of its own; the output holds one picture and one sound only.
    if (container_.muxer == "mov" || container_.muxer == "mp4" || container_.muxer == "3gp")
        args.insert(args.end(), {"-write_tmcd", "0"});
    const std::vector<std::string> tags = TagArguments(container_, source_.tags);
    args.insert(args.end(), tags.begin(), tags.end());
    args.insert(args.end(), {"-sn", "-dn", "-f", std::string(container_.muxer),
                             FfmpegFileUrl(temporaryOutput)});
    return plan_;
}

}  // namespace

std::string FfmpegFileUrl(const std::string& path) { return "file:" + path; }

SourceInfo TypicalSource(const ConvRequest& request)
{
    const FrameSize size = request.frameSize.value_or(FrameSize{320, 240});
    SourceInfo source;
    source.video = VideoStreamInfo{0, size.width + size.width % 2, size.height + size.height % 2, 25, false};
    source.audio = AudioStreamInfo{1, 44100, 2};
    return source;
}

bool SameProcesses(const ConversionPlan& first, const ConversionPlan& second)
{
    const bool sameMode = first.amrMode.has_value() == second.amrMode.has_value() &&
                          (!first.amrMode || first.amrMode->mode == second.amrMode->mode);
    return sameMode && first.encodeArguments == second.encodeArguments && first.pcmArguments == second.pcmArguments;
}

ConversionPlan BuildConversionPlan(const ConvRequest& request, const OutputContainer& container,
                                   const SourceInfo& source, const std::string& temporaryOutput)
{
    return PlanBuilder(request, container, source).Build(temporaryOutput);
}

}  // namespace tavoclip
