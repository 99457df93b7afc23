#include "ConsoleBatchView.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace tavoclip {
namespace {

std::string Contents(std::FILE* file)
{
    std::fflush(file);
    std::rewind(file);
    std::string text;
    for (int c; (c = std::fgetc(file)) != EOF;) text += static_cast<char>(c);
    std::fseek(file, 0, SEEK_END);
    return text;
}

class ConsoleBatchViewTest : public ::testing::Test {
protected:
    ~ConsoleBatchViewTest() override
    {
        std::fclose(out_);
        std::fclose(err_);
    }
    ConsoleBatchView View(bool terminal)
    {
        return ConsoleBatchView(out_, err_, terminal, [this] { ++ended_; });
    }
    // Drives a view through two files, the second failing.
    void TwoFiles(ConsoleBatchView& view)
    {
        view.FileStarted(1, 2, "/in/a.flv");
        view.FileProgress(1, 0.5, "50%");
        view.FileProgress(1, 0.5, "50%");
        view.FileEnded({"/in/a.flv", "/out/a.mp4", true, {}});
        view.FileStarted(2, 2, "/in/b.flv");
        view.FileEnded({"/in/b.flv", "/out/b.mp4", false, "the converter exited with status 1"});
        view.ProgressCleared("Done.");
        view.ShowMessage("These files were not converted", "Tavoclip", MessageIcon::Exclamation);
        view.Summary(false, 0);
    }

    std::FILE* out_ = std::tmpfile();
    std::FILE* err_ = std::tmpfile();
    int ended_ = 0;
};

TEST_F(ConsoleBatchViewTest, ScriptLinesCarryEachEventOnceAndTheSummaryLast)
{
    ConsoleBatchView view = View(false);
    TwoFiles(view);
    EXPECT_EQ(Contents(out_),
              "START 1/2 /in/a.flv\nPROGRESS 50%\nDONE /in/a.flv -> /out/a.mp4\nSTART 2/2 /in/b.flv\n"
              "FAILED /in/b.flv: the converter exited with status 1\nSUMMARY 1 converted, 1 failed\n");
    EXPECT_EQ(Contents(err_), "Tavoclip: These files were not converted\n");
    EXPECT_EQ(view.exitStatus(), 1);
    EXPECT_EQ(ended_, 1);
}

TEST_F(ConsoleBatchViewTest, TerminalRedrawsOneLineAndClearsItBeforeOtherOutput)
{
    ConsoleBatchView view = View(true);
    view.FileStarted(1, 2, "/in/a.flv");
    view.FileProgress(1, 0.5, "50%");
    const std::string redrawn = Contents(out_);
    EXPECT_NE(redrawn.find("\r\x1b[K[############------------] 50%    file 1 of 2: a.flv"), std::string::npos)
        << redrawn;
    EXPECT_EQ(redrawn.find('\n'), std::string::npos);

    view.FileEnded({"/in/a.flv", "/out/a.mp4", true, {}});
    view.Summary(false, 0);
    EXPECT_TRUE(Contents(out_).ends_with("\r\x1b[KDONE /in/a.flv -> /out/a.mp4\nSUMMARY 1 converted, 0 failed\n"));
    EXPECT_EQ(view.exitStatus(), 0);
}

TEST_F(ConsoleBatchViewTest, StoppedBatchFailsEvenWithoutFailedFilesAndCountsTheFilesLeft)
{
    ConsoleBatchView view = View(false);
    view.FileStarted(1, 3, "/in/a.flv");
    view.Summary(true, 3);
    EXPECT_EQ(view.exitStatus(), 1);
    EXPECT_EQ(Contents(out_), "START 1/3 /in/a.flv\nSUMMARY 0 converted, 0 failed, 3 not converted\n");
}

TEST_F(ConsoleBatchViewTest, ControlCharactersInNamesAndReasonsAreEscaped)
{
    ConsoleBatchView view = View(false);
    view.FileStarted(1, 3, "/in/a\nb\tc\\d\x01\x7f.flv");
    view.FileEnded({"/in/a\nb.flv", "/out/a\nb.mp4", false, "line one\nline two"});
    EXPECT_EQ(Contents(out_), "START 1/3 /in/a\\nb\\tc\\\\d\\x01\\x7f.flv\nFAILED /in/a\\nb.flv: line one\\nline two\n");
}

// On a terminal the redrawn line and the messages carry names escaped too:
// an escape sequence or a line end there would forge lines on the screen.
TEST_F(ConsoleBatchViewTest, TerminalLinesAndMessagesEscapeNamesForOneOrSeveralFiles)
{
    const std::string name = "x\x1b[2K\rDONE\xc2\x85SUMMARY\xe2\x80\xa8\x9b\xc3\xa9.flv";
    const std::string shown = "x\\x1b[2K\\x0dDONE\\u0085SUMMARY\\u2028\\x9b\xc3\xa9.flv";
    for (const bool several : {false, true}) {
        const std::size_t before = Contents(out_).size();
        ConsoleBatchView view = View(true);
        if (several) view.ShowSeveralFiles();
        view.FileStarted(1, 2, "/in/" + name);
        if (several) view.FileProgress(1, 0.5, "50%");
        view.ShowMessage("refused", "/in/" + name, MessageIcon::Exclamation);
        const std::string out = Contents(out_).substr(before);
        EXPECT_NE(out.find(" " + shown), std::string::npos) << several << out;
        EXPECT_EQ(out.find("\x1b[2K"), std::string::npos) << several << out;
        EXPECT_EQ(Contents(err_).find("\xc2\x85"), std::string::npos) << several;
    }
    EXPECT_NE(Contents(err_).find("/in/" + shown + ": refused\n"), std::string::npos);
}

// The time left follows the whole batch on the terminal line only: a
// quarter done after a minute leaves three.
TEST_F(ConsoleBatchViewTest, TimeLeftShowsOnTheTerminalLineOnly)
{
    struct Row {
        bool terminal;
        bool several;
    };
    for (const Row row : {Row{true, false}, Row{true, true}, Row{false, false}, Row{false, true}}) {
        const std::size_t before = Contents(out_).size();
        double now = 100;
        ConsoleBatchView view = View(row.terminal);
        view.SetClock([&now] { return now; });
        if (row.several) view.ShowSeveralFiles();
        view.FileStarted(1, 2, "/in/a.flv");
        now = 102;
        view.FileProgress(1, 0.5, "50%");
        EXPECT_EQ(Contents(out_).find("left", before), std::string::npos) << "shown while warming up";
        now = 160;
        view.FileProgress(1, 0.5, "50.0%");
        const bool shown = Contents(out_).find("a.flv 50.0%  about 3 min left", before) != std::string::npos ||
                           Contents(out_).find("a.flv  about 3 min left", before) != std::string::npos;
        EXPECT_EQ(shown, row.terminal) << row.several << Contents(out_).substr(before);
        view.FileEnded({"/in/a.flv", "/out/a.mp4", true, {}});
        view.FileStarted(2, 2, "/in/b.flv");
        view.FileEnded({"/in/b.flv", "/out/b.mp4", true, {}});
        const std::size_t beforeDone = Contents(out_).size();
        view.ProgressCleared("Done.");
        EXPECT_EQ(Contents(out_).find("left", beforeDone), std::string::npos) << "shown once the batch is over";
        view.Summary(false, 0);
    }
}

}  // namespace
}  // namespace tavoclip
