// Stopping tavoclip-batch, politely or not, never leaves its converter
// running or a half-written file behind; the real converter on a real clip.
#include <QProcess>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "BatchProgramFixture.h"

namespace tavoclip {
namespace {

namespace fs = std::filesystem;

// Whether any process has text in its command line (the clip's path, which
// only our converter and its FFmpeg carry).
bool AnyProcessMentions(const std::string& text)
{
    for (const fs::directory_entry& entry : fs::directory_iterator("/proc")) {
        std::ifstream file(entry.path() / "cmdline", std::ios::binary);
        const std::string line{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        if (line.find(text) != std::string::npos) return true;
    }
    return false;
}

bool NoProcessMentionsWithin(const std::string& text, std::chrono::seconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (AnyProcessMentions(text)) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

class StopTest : public BatchProgramFixture {
protected:
    void SetUp() override
    {
        if (!fs::exists(CONV_PATH)) GTEST_SKIP() << "the converter has not been built";
        // Tiny frames that take a while to scale up and encode.
        ASSERT_TRUE(tavoclip::MakeClip(Q("long.avi"), 90, "32x24", 25));
        fs::create_directories(Path("out"));
    }
    // Starts the batch on the clip and returns once the conversion is under way.
    void StartMidFile()
    {
        batch_.setWorkingDirectory(dir_.path());
        batch_.start(TAVOCLIP_BATCH_PATH, {"-f", "MP4", "-o", Q("out"), Q("long.avi"), Q("long.avi")});
        ASSERT_TRUE(batch_.waitForStarted());
        while (!output_.contains("PROGRESS ") && batch_.waitForReadyRead(30000)) output_ += batch_.readAll();
        ASSERT_TRUE(output_.contains("PROGRESS ")) << output_.toStdString();
    }
    bool OutputFolderEmpty() const { return fs::is_empty(Path("out")); }

    QProcess batch_;
    QByteArray output_;
};

TEST_F(StopTest, SigtermStopsTheConverterRemovesItsTemporaryAndPrintsTheSummary)
{
    StartMidFile();
    ::kill(static_cast<pid_t>(batch_.processId()), SIGTERM);
    ASSERT_TRUE(batch_.waitForFinished(20000));
    output_ += batch_.readAll();

    EXPECT_EQ(batch_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(batch_.exitCode(), 128 + SIGTERM);
    EXPECT_TRUE(output_.endsWith("\nSUMMARY 0 converted, 0 failed, 2 not converted\n")) << output_.toStdString();
    EXPECT_FALSE(output_.contains("FAILED"));
    EXPECT_TRUE(NoProcessMentionsWithin(Path("long.avi"), std::chrono::seconds(5)));
    EXPECT_TRUE(OutputFolderEmpty());
}

TEST_F(StopTest, SigkillOfTheBatchEndsItsConverterToo)
{
    StartMidFile();
    ::kill(static_cast<pid_t>(batch_.processId()), SIGKILL);
    ASSERT_TRUE(batch_.waitForFinished(20000));
    EXPECT_TRUE(NoProcessMentionsWithin(Path("long.avi"), std::chrono::seconds(3)));
    EXPECT_TRUE(OutputFolderEmpty());
}

}  // namespace
}  // namespace tavoclip
