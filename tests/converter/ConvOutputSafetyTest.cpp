// What conv does to the file system when things go wrong around it: another
// user tampering with the output folder, conv killed, a write that fails,
// a wrong output folder, names that are not valid UTF-8. Runs the built conv
// on clips that FFmpeg's lavfi makes at test time.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ConverterTemporaryName.h"
#include "FileSearch.h"
#include "MediaTools.h"

using namespace tavoclip;
namespace fs = std::filesystem;

namespace {

struct RawResult {
    int exitCode = -1;
    std::string output;
    std::string lastLine() const
    {
        const std::size_t end = output.find_last_not_of('\n');
        if (end == std::string::npos) return {};
        const std::size_t newline = output.rfind('\n', end);
        const std::size_t start = newline == std::string::npos ? 0 : newline + 1;
        return output.substr(start, end + 1 - start);
    }
};

// How conv is started besides its arguments.
struct ConvSetup {
    // Every write past this many bytes, in conv and its FFmpeg, fails as on
    // a full disk (or kills the writer with SIGXFSZ when that is not
    // ignored), without needing a small file system.
    rlim_t fileSizeLimit = RLIM_INFINITY;
    bool sigxfszIgnored = false;           // as a shell leaves it: the default action
    rlim_t dataLimit = RLIM_INFINITY;      // conv's heap and other private memory
    std::vector<std::string> environment;  // NAME=VALUE set in addition
};

// Runs conv with arguments given as raw bytes (QProcess would turn bytes that
// are not UTF-8 into other ones).
RawResult RunConvRaw(const std::vector<std::string>& arguments, const ConvSetup& setup = {})
{
    std::vector<std::string> environment = setup.environment;
    for (char** variable = environ; *variable; ++variable) environment.emplace_back(*variable);
    std::vector<char*> envp;
    for (std::string& variable : environment) envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::vector<char*> argv{const_cast<char*>(CONV_PATH)};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeFds[1], 1);
        ::dup2(pipeFds[1], 2);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        ::signal(SIGXFSZ, setup.sigxfszIgnored ? SIG_IGN : SIG_DFL);
        const rlimit size{setup.fileSizeLimit, setup.fileSizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &size);
        const rlimit data{setup.dataLimit, setup.dataLimit};
        ::setrlimit(RLIMIT_DATA, &data);
        ::execve(CONV_PATH, argv.data(), envp.data());
        ::_exit(126);
    }
    ::close(pipeFds[1]);
    RawResult result;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) result.output.append(buffer, got);
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> Entries(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// conv's private folder in folder, once conv has made it.
std::optional<fs::path> TemporaryFolderIn(const fs::path& folder)
{
    for (const auto& entry : fs::directory_iterator(folder))
        if (IsConverterTemporaryName(entry.path().filename().string())) return entry.path();
    return std::nullopt;
}

// The process ids of pid's children.
std::vector<pid_t> ChildrenOf(qint64 pid)
{
    std::vector<pid_t> children;
    const fs::path tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    for (const auto& task : fs::directory_iterator(tasks, error)) {
        std::ifstream in(task.path() / "children");
        for (pid_t child; in >> child;) children.push_back(child);
    }
    return children;
}

bool Alive(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return false;
    const std::size_t state = line.rfind(')') + 2;
    return state < line.size() && line[state] != 'Z';
}

}  // namespace

class ConvOutputSafetyTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        clips_ = new QTemporaryDir;
        // 30 s, so conv is still writing when a test steps in.
        Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=30", "-f", "lavfi", "-i",
                "sine=frequency=440:sample_rate=44100:duration=30", "-c:v", "flv", "-c:a", "libmp3lame",
                clips_->filePath("long.flv")});
    }
    static void TearDownTestSuite()
    {
        delete clips_;
        clips_ = nullptr;
    }
    // QTemporaryDir cannot remove names that are not UTF-8.
    void TearDown() override
    {
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(Root(), error)) fs::remove_all(entry.path(), error);
    }
    static std::string LongClip() { return clips_->filePath("long.flv").toStdString(); }
    fs::path Root() const { return fs::path(root_.path().toStdString()); }

    // Starts conv writing a long conversion into folder and waits until it
    // has shown progress.
    void StartLongConversion(QProcess& conv, const fs::path& output)
    {
        conv.setProcessChannelMode(QProcess::MergedChannels);
        conv.start(CONV_PATH, {"-i", QString::fromStdString(LongClip()), "-y", "-b", "320k", "-s", "320x240", "-ab",
                               "128k", QString::fromStdString(output.string())});
        QByteArray printed;
        while (!printed.contains("time=") && conv.waitForReadyRead(30000)) printed += conv.readAll();
        ASSERT_TRUE(printed.contains("time=")) << printed.toStdString();
    }

    static QTemporaryDir* clips_;
    QTemporaryDir root_;
};

QTemporaryDir* ConvOutputSafetyTest::clips_ = nullptr;

// Another user who may write the output folder renames conv's temporary
// folder mid-run and plants a link to a folder of the victim's under its
// name. Nothing may be written through the link nor have its mode changed.
TEST_F(ConvOutputSafetyTest, ALinkPlantedForTheTemporaryIsNeverWrittenThrough)
{
    const fs::path victim = Root() / "victim";
    fs::create_directory(victim);
    for (const char* name : {"output.mov", "long.mov"}) {
        std::ofstream(victim / name) << "the victim's data";
        fs::permissions(victim / name, fs::perms::owner_read | fs::perms::owner_write);
    }
    const fs::path shared = Root() / "shared";
    fs::create_directory(shared);

    QProcess conv;
    StartLongConversion(conv, shared / "long.mov");
    const auto temporary = TemporaryFolderIn(shared);
    ASSERT_TRUE(temporary) << "conv writes inside a private folder of its own";
    EXPECT_EQ(fs::status(*temporary).permissions(), fs::perms::owner_all);
    fs::rename(*temporary, shared / "moved-away");
    fs::create_directory_symlink(victim, *temporary);
    ASSERT_TRUE(conv.waitForFinished(60000));

    EXPECT_EQ(conv.exitCode(), 0) << conv.readAll().toStdString();
    EXPECT_GT(fs::file_size(shared / "long.mov"), 1000u);
    EXPECT_EQ(Entries(victim), (std::vector<std::string>{"long.mov", "output.mov"}));
    for (const char* name : {"output.mov", "long.mov"}) {
        EXPECT_EQ(ReadBytes(victim / name), "the victim's data");
        EXPECT_EQ(fs::status(victim / name).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    }
}

// Two converters given one name: the one that puts its file into place
// second finds the name taken and takes the next free one, and each says
// which name it wrote. The first is held (SIGSTOP, its gate) once FFmpeg
// runs, so the second commits first although both passed their checks while
// the name was free.
TEST_F(ConvOutputSafetyTest, TwoConvertersGivenOneNameKeepBothOutputs)
{
    const fs::path output = Root() / "long.mov";
    QProcess first;
    StartLongConversion(first, output);
    ASSERT_EQ(::kill(static_cast<pid_t>(first.processId()), SIGSTOP), 0);
    ASSERT_FALSE(fs::exists(output)) << "the first converter ended before it could be held";
    QProcess second;
    StartLongConversion(second, output);
    ASSERT_TRUE(second.waitForFinished(60000));
    ::kill(static_cast<pid_t>(first.processId()), SIGCONT);
    ASSERT_TRUE(first.waitForFinished(60000));

    const std::string firstSaid = first.readAll().toStdString();
    const std::string secondSaid = second.readAll().toStdString();
    EXPECT_EQ(first.exitCode(), 0) << firstSaid;
    EXPECT_EQ(second.exitCode(), 0) << secondSaid;
    EXPECT_NE(secondSaid.find("conv: wrote " + output.string() + "\n"), std::string::npos) << secondSaid;
    EXPECT_NE(firstSaid.find("conv: wrote " + (Root() / "long (2).mov").string() + "\n"), std::string::npos)
        << firstSaid;
    EXPECT_EQ(Entries(Root()), (std::vector<std::string>{"long (2).mov", "long.mov"}));
    for (const char* name : {"long.mov", "long (2).mov"}) EXPECT_GT(fs::file_size(Root() / name), 1000u) << name;
}

// A conv killed with SIGKILL cannot clean up: its FFmpeg must still end, and
// what it leaves must not become a source of the next folder import.
TEST_F(ConvOutputSafetyTest, AKilledConvTakesItsFfmpegAlongAndLeavesNoSource)
{
    QProcess conv;
    StartLongConversion(conv, Root() / "long.mov");
    const std::vector<pid_t> children = ChildrenOf(conv.processId());
    ASSERT_FALSE(children.empty());
    conv.kill();
    ASSERT_TRUE(conv.waitForFinished(10000));

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (const pid_t child : children) {
        while (Alive(child) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_FALSE(Alive(child)) << "FFmpeg " << child << " outlived conv";
    }
    std::vector<std::string> sources;
    SearchFiles(Root().string(), sources);
    EXPECT_TRUE(sources.empty()) << sources.front();
}

// A write that fails half-way (a full disk, a size limit) must fail the file
// with the system's reason as the last line, and leave nothing behind. FFmpeg
// itself ends with status 0 when MP4's or MP3's trailer cannot be written.
// Under a size limit set by a shell, SIGXFSZ would kill the writer (FFmpeg or
// conv itself) without a word.
TEST_F(ConvOutputSafetyTest, AFailedWriteEndsWithTheSystemsReason)
{
    const std::vector<std::vector<std::string>> lines{
        {"-i", LongClip(), "-y", "-b", "320k", "-s", "320x240", "-ab", "128k", (Root() / "out.mp4").string()},
        {"-i", LongClip(), "-y", "-vn", "-ab", "128k", (Root() / "out.mp3").string()},
        {"-i", LongClip(), "-y", "-vn", "-ab", "128k", (Root() / "out.wav").string()},
        {"-i", LongClip(), "-y", "-vn", "-ar", "8000", "-ab", "12.2k", "-ac", "1", (Root() / "out.amr").string()},
        {"-i", LongClip(), "-y", "-b", "320k", "-s", "176x144", "-acodec", "libamr_nb", "-ac", "1", "-ar", "8000",
         "-ab", "12.2k", (Root() / "out.3gp").string()}};
    for (const bool sigxfszIgnored : {true, false}) {
        for (const std::vector<std::string>& arguments : lines) {
            ConvSetup setup;
            setup.fileSizeLimit = 16 * 1024;
            setup.sigxfszIgnored = sigxfszIgnored;
            const RawResult result = RunConvRaw(arguments, setup);
            EXPECT_EQ(result.exitCode, 1) << result.output;
            EXPECT_NE(result.lastLine().find("File too large"), std::string::npos) << result.output;
            EXPECT_TRUE(Entries(Root()).empty()) << Entries(Root()).front();
        }
    }
}

// A source that makes FFmpeg read other files would put them into the output:
// a user who converts a crafted "holiday.mp4" and shares the result would
// share their own private file. Each is refused before anything is written,
// while a file whose name merely looks like one of FFmpeg's addresses is read
// as the file it is.
TEST_F(ConvOutputSafetyTest, OnlyTheNamedSourceIsRead)
{
    const fs::path sources = Root() / "sources";
    const fs::path outputs = Root() / "outputs";
    fs::create_directory(sources);
    fs::create_directory(outputs);
    const fs::path secret = sources / "private.ts";
    ASSERT_TRUE(Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=160x120:duration=2", "-f", "lavfi", "-i",
                        "sine=duration=2", QString::fromStdString(secret.string())}));
    const std::string hls = "#EXTM3U\n#EXT-X-TARGETDURATION:2\n#EXTINF:2,\nfile://" + secret.string() +
                            "\n#EXT-X-ENDLIST\n";
    const std::vector<std::pair<std::string, std::string>> crafted{
        {"holiday.mp4", hls},
        {"playlist.m3u8", hls},
        {"list.mp4", "ffconcat version 1.0\nfile private.ts\n"},
        {"manifest.mp4",
         "<?xml version=\"1.0\"?>\n<MPD xmlns=\"urn:mpeg:dash:schema:mpd:2011\" "
         "profiles=\"urn:mpeg:dash:profile:isoff-live:2011\" type=\"static\" "
         "mediaPresentationDuration=\"PT2S\"><Period><AdaptationSet><Representation id=\"1\" "
         "bandwidth=\"1000\"><BaseURL>private.ts</BaseURL></Representation></AdaptationSet>"
         "</Period></MPD>\n"},
        {"frame%03d.png", ""}};  // a numbered sequence: frame001.png beside it
    ASSERT_TRUE(Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=64x48", "-frames:v", "1", "-update", "1",
                        QString::fromStdString((sources / "frame001.png").string())}));
    for (const auto& [name, text] : crafted) {
        if (text.empty()) fs::copy_file(sources / "frame001.png", sources / name);
        else std::ofstream(sources / name) << text;
        const RawResult result =
            RunConvRaw({"-i", (sources / name).string(), "-y", "-t", "1", "-b", "200k", "-s", "160x120",
                        (outputs / "out.mp4").string()});
        EXPECT_EQ(result.exitCode, 1) << name << "\n"
                                      << result.output;
        EXPECT_NE(result.lastLine().find("conv reads only the file it is given"), std::string::npos)
            << name << "\n"
            << result.output;
        EXPECT_TRUE(Entries(outputs).empty()) << name;
    }

    for (const char* name : {"concat:private.ts|private.ts", "subfile:,,start,0,end,0,,:private.ts"}) {
        fs::copy_file(LongClip(), sources / name);
        const RawResult result = RunConvRaw({"-i", (sources / name).string(), "-y", "-t", "1", "-vn", "-ab", "64k",
                                             (outputs / "plain.mp3").string()});
        EXPECT_EQ(result.exitCode, 0) << name << "\n"
                                      << result.output;
        EXPECT_EQ(Entries(outputs), std::vector<std::string>{"plain.mp3"}) << name;
        fs::remove(outputs / "plain.mp3");
    }
}

// An FFmpeg that hangs, or that writes without end and never advances, is
// stopped once it has shown no progress for the limit (made short here), and
// conv's memory stays bounded meanwhile: a flood of 300 MB without a line
// break must not outgrow a 200 MB heap. One that advances slowly, for longer
// than the limit in all, is left to finish (and then fails for what it wrote).
TEST_F(ConvOutputSafetyTest, AnFfmpegThatMakesNoProgressIsStopped)
{
    const fs::path bin = Root() / "bin";
    fs::create_directory(bin);
    const fs::path outputs = Root() / "outputs";
    fs::create_directory(outputs);
    struct StandIn {
        std::string script;
        std::vector<std::string> outputs;
        bool stopped;
    };
    // Standard output carries the progress, or for AMR the sound itself.
    // Progress every 0.1 s, thirty times within the limit: a loaded machine
    // cannot stretch that into a stall.
    const std::string slowly = "i=0\nwhile [ $i -lt 50 ]; do i=$((i+1)); ";
    const std::vector<StandIn> standIns{
        {"exec sleep 100000", {"out.mp4", "out.amr"}, true},
        {"head -c 300000000 /dev/zero | tr '\\0' x >&2\nexec sleep 100000", {"out.mp4", "out.amr"}, true},
        {"head -c 300000000 /dev/zero | tr '\\0' x\nexec sleep 100000", {"out.mp4"}, true},
        {slowly + "echo frame=$i; echo progress=continue; sleep 0.1; done", {"out.mp4"}, false},
        {slowly + "printf xxxxxxxx; sleep 0.1; done", {"out.amr"}, false}};
    ConvSetup setup;
    setup.dataLimit = 200 * 1024 * 1024;
    setup.environment = {"TAVOCLIP_CONV_STALL_SECONDS=3", "PATH=" + bin.string() + ":" + std::getenv("PATH")};
    for (const StandIn& standIn : standIns) {
        std::ofstream(bin / "ffmpeg") << "#!/bin/sh\n"
                                      << standIn.script << "\n";
        fs::permissions(bin / "ffmpeg", fs::perms::owner_all);
        for (const std::string& output : standIn.outputs) {
            const RawResult result = RunConvRaw({"-i", LongClip(), "-y", (outputs / output).string()}, setup);
            EXPECT_EQ(result.exitCode, 1) << standIn.script << "\n"
                                          << result.output;
            EXPECT_EQ(result.lastLine().find("no progress for 3 s") != std::string::npos, standIn.stopped)
                << standIn.script << "\n"
                << result.output;
            EXPECT_TRUE(Entries(outputs).empty()) << standIn.script;
        }
    }
}

// The output folder removed while FFmpeg writes into it: the file is gone,
// and the reason says why rather than "wrote nothing".
TEST_F(ConvOutputSafetyTest, AnOutputFolderRemovedMidwayIsTheReason)
{
    fs::create_directory(Root() / "out");
    QProcess conv;
    StartLongConversion(conv, Root() / "out" / "long.mov");
    fs::remove_all(Root() / "out");
    ASSERT_TRUE(conv.waitForFinished(60000));
    const std::string output = conv.readAll().toStdString();
    EXPECT_EQ(conv.exitCode(), 1) << output;
    EXPECT_NE(output.find("was removed or moved during the conversion"), std::string::npos) << output;
    EXPECT_TRUE(Entries(Root()).empty());
}

TEST_F(ConvOutputSafetyTest, AWrongOutputFolderIsNamedForWhatItIs)
{
    std::ofstream(Root() / "plain") << "a file, not a folder";
    const RawResult file = RunConvRaw({"-i", LongClip(), "-y", "-vn", (Root() / "plain" / "a.mp3").string()});
    EXPECT_EQ(file.exitCode, 1);
    EXPECT_NE(file.lastLine().find("is a file"), std::string::npos) << file.output;

    const RawResult missing = RunConvRaw({"-i", LongClip(), "-y", "-vn", (Root() / "missing" / "a.mp3").string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.lastLine().find("does not exist"), std::string::npos) << missing.output;

    if (::geteuid() != 0) {  // root writes into any folder
        fs::create_directory(Root() / "locked");
        fs::permissions(Root() / "locked", fs::perms::owner_read | fs::perms::owner_exec);
        const RawResult locked = RunConvRaw({"-i", LongClip(), "-y", "-vn", (Root() / "locked" / "a.mp3").string()});
        fs::permissions(Root() / "locked", fs::perms::owner_all);
        EXPECT_EQ(locked.exitCode, 1);
        EXPECT_NE(locked.lastLine().find("Permission denied"), std::string::npos) << locked.output;
        fs::remove(Root() / "locked");
    }
    EXPECT_EQ(Entries(Root()), std::vector<std::string>{"plain"});
}

// Names are bytes: a source and an output folder whose names are not UTF-8
// reach the file system unchanged, and no file or folder of another name
// appears.
TEST_F(ConvOutputSafetyTest, NamesThatAreNotUtf8AreKeptByteForByte)
{
    const fs::path sources = Root() / "in\xfe";
    const fs::path outputs = Root() / "out\xff";
    fs::create_directory(sources);
    fs::create_directory(outputs);
    fs::copy_file(LongClip(), sources / "clip\xe9.flv");

    const RawResult result = RunConvRaw(
        {"-i", (sources / "clip\xe9.flv").string(), "-y", "-t", "2", "-vn", "-ab", "64k", (outputs / "clip\xe9.mp3").string()});
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(Entries(outputs), std::vector<std::string>{"clip\xe9.mp3"});
    EXPECT_GT(fs::file_size(outputs / "clip\xe9.mp3"), 1000u);

    const RawResult missing = RunConvRaw(
        {"-i", (sources / "clip\xe9.flv").string(), "-y", "-vn", (Root() / "new\xff" / "clip.mp3").string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.lastLine().find("does not exist"), std::string::npos) << missing.output;
    EXPECT_EQ(Entries(Root()), (std::vector<std::string>{"in\xfe", "out\xff"}));
}
