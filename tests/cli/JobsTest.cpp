// tavoclip-batch with several files at once (-j) and the job list
// (--print-jobs), run as a user's script would.
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>

#include <csignal>

#include "BatchProgramFixture.h"
#include "RunUntil.h"

namespace tavoclip {
namespace {

const std::string kHalfway =
    "print Duration: 00:00:10.00, \nsleep 80\nprint frame= time=5.00 q\nsleep 80\nprint frame= time=10.00 q\n";

class JobsTest : public BatchProgramFixture {
protected:
    // Standard output exactly as written.
    std::string RawOutput(const QStringList& arguments) const
    {
        return RunProgram(TAVOCLIP_BATCH_PATH, arguments, dir_.path()).output;
    }
    std::vector<std::string> LogLines() const
    {
        std::ifstream log(Path("runs.log"));
        std::vector<std::string> lines;
        for (std::string line; std::getline(log, line);) lines.push_back(line);
        return lines;
    }
};

TEST_F(JobsTest, OneJobWritesExactlyTheLinesOfAPlainRun)
{
    Write("in/a.flv", kHalfway);
    Write("in/b.flv", "print broken\nexit 1\n");
    Write("in/c.flv", kHalfway);
    // Each run writes the same names again.
    const QStringList common = {"--overwrite", "--converter", FAKECONV_PATH, "-f", "MP3", "-o", Q("out"), Q("in")};
    const std::string plain = RawOutput(common);
    EXPECT_NE(plain.find("SUMMARY 2 converted, 1 failed"), std::string::npos) << plain;
    EXPECT_NE(plain.find("\nPROGRESS 50%\n"), std::string::npos) << plain;
    EXPECT_EQ(RawOutput(QStringList{"-j", "1"} + common), plain);
    EXPECT_EQ(RawOutput(QStringList{"--jobs", "1"} + common), plain);
}

TEST_F(JobsTest, SeveralJobsKeepTheLinesAndNumberTheProgress)
{
    for (const char* name : {"in/a.flv", "in/b.flv", "in/c.flv", "in/d.flv"}) Write(name, kHalfway);
    Write("in/e.flv", "print broken\nexit 1\n");
    const RunResult run = Run({"-j", "3", "--converter", FAKECONV_PATH, "-f", "MP3", "-o", Q("out"), Q("in")});

    EXPECT_EQ(run.status, 1);
    ASSERT_FALSE(run.lines.empty());
    EXPECT_EQ(run.lines.back(), "SUMMARY 4 converted, 1 failed");
    std::multiset<std::string> starts, ends, progress;
    for (const std::string& line : run.lines) {
        if (line.starts_with("START ")) starts.insert(line);
        if (line.starts_with("DONE ") || line.starts_with("FAILED ")) ends.insert(line);
        if (line.starts_with("PROGRESS ")) progress.insert(line);
    }
    std::multiset<std::string> expectedStarts, expectedEnds;
    const char* names[] = {"a", "b", "c", "d", "e"};
    for (int k = 1; k <= 5; ++k) {
        const std::string source = Path(std::string("in/") + names[k - 1] + ".flv");
        expectedStarts.insert("START " + std::to_string(k) + "/5 " + source);
        expectedEnds.insert(k == 5 ? "FAILED " + source + ": the converter exited with status 1: broken"
                                   : "DONE " + source + " -> " + Path("out") + "/" + names[k - 1] + ".mp3");
        if (k < 5) {
            for (const char* caption : {"50%", "100%"}) {
                EXPECT_EQ(progress.count("PROGRESS " + std::to_string(k) + "/5 " + caption), 1u) << k << caption;
            }
        }
    }
    EXPECT_EQ(starts, expectedStarts);
    EXPECT_EQ(ends, expectedEnds);
    EXPECT_EQ(Runs(), 5u);
    EXPECT_EQ(Run({"-j", "x", "a.flv"}).status, 2);
}

// Every job line, run by a shell, hands the converter exactly the source and
// output the batch would: quotes, $(...), ";", a leading "-", spaces and
// non-ASCII letters are data, never code.
TEST_F(JobsTest, PrintedJobsRunInAShellWithEveryNameUnchanged)
{
    const std::vector<std::string> names = {"-x 'q' \"d\" $(touch pwned) ; touch pwned2 `touch pwned3`.flv",
                                            "two  words.flv", "caf\xc3\xa9.flv", "it's.flv"};
    for (const std::string& name : names) Write("in/" + name, "");
    Write("in/two  words.avi", "");  // same base name as a source above
    const QStringList arguments = {"--print-jobs", "--converter", FAKECONV_PATH, "-f", "MP4", "-o", Q("out"), Q("in")};
    const std::string listing = RawOutput(arguments);
    ASSERT_EQ(std::count(listing.begin(), listing.end(), '\n'), 5) << listing;
    EXPECT_EQ(Runs(), 0u);

    std::ofstream(Path("jobs.txt")) << listing;
    QProcess shell;
    shell.setWorkingDirectory(dir_.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("FAKECONV_LOG", Q("runs.log"));
    shell.setProcessEnvironment(environment);
    shell.start("sh", {Q("jobs.txt")});
    ASSERT_TRUE(shell.waitForFinished(60000));
    EXPECT_EQ(shell.exitCode(), 0);

    std::set<std::string> expected;
    for (const std::string& name : names) {
        const std::string base = name.substr(0, name.find('.'));
        // The folder lists two  words.avi first; the second file of that base
        // name gets the next free name, as in a real run.
        const std::string number = name == "two  words.flv" ? " (2)" : "";
        expected.insert(Path("in/" + name) + " -> " + Path("out") + "/" + base + number + ".mp4");
    }
    expected.insert(Path("in/two  words.avi") + " -> " + Path("out") + "/two  words.mp4");
    const std::vector<std::string> log = LogLines();
    EXPECT_EQ(std::set<std::string>(log.begin(), log.end()), expected);
    EXPECT_EQ(log.size(), 5u);
    for (const char* planted : {"pwned", "pwned2", "pwned3"}) EXPECT_FALSE(std::filesystem::exists(Path(planted)));
}

TEST_F(JobsTest, PrintJobsRefusesEmptyListsAndLeavesOutNamesWithLineBreaks)
{
    std::filesystem::create_directories(Path("empty"));
    const RunResult empty = Run({"--print-jobs", Q("empty")});
    EXPECT_EQ(empty.status, 2);
    EXPECT_TRUE(empty.lines.empty());

    Write("in/good.flv", "");
    Write("in/two\nlines.flv", "");
    const RunResult run = Run({"--print-jobs", "--converter", "tavoclip-conv", "-o", Q("out"), Q("in")});
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(run.lines.size(), 1u);
    EXPECT_TRUE(run.lines[0].starts_with("'tavoclip-conv' '-i' '" + Path("in/good.flv") + "'")) << run.lines[0];
    EXPECT_NE(run.errors.find("two\\nlines"), std::string::npos) << run.errors;
    EXPECT_TRUE(std::filesystem::is_directory(Path("out")));
}

// The process id a fake converter wrote to path; 0 until it has.
pid_t WrittenPid(const std::string& path)
{
    std::ifstream file(path);
    std::string line;
    return std::getline(file, line) && file.good() ? std::stoi(line) : 0;
}

// A line of the process's status, "State:" or "ShdPnd:".
std::string StatusLine(pid_t pid, const std::string& key)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(key)) return line.substr(key.size());
    }
    return {};
}

bool Stopped(pid_t pid) { return StatusLine(pid, "State:").find('T') != std::string::npos; }

// Whether signal waits, not yet delivered, for the stopped process pid.
bool SignalPending(pid_t pid, int signal)
{
    const std::string mask = StatusLine(pid, "ShdPnd:");
    return !mask.empty() && ((std::stoull(mask, nullptr, 16) >> (signal - 1)) & 1) != 0;
}

// Both converters are held (SIGSTOP) while the batch is told to stop and
// passes the stop on, so their ends arrive together once they may go on.
// Nothing starts after that, and the summary is the last line.
TEST_F(JobsTest, AStopWhileSeveralConvertEndsWithTheSummaryAndStartsNothingMore)
{
    for (const char* name : {"a", "b", "c", "d"}) {
        Write(std::string("in/") + name + ".flv", "onterm\npid " + Path(name) + ".pid\nwaitfor " + Path("gate") + "\n");
    }
    QProcess batch;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("FAKECONV_LOG", Q("runs.log"));
    batch.setProcessEnvironment(environment);
    batch.start(TAVOCLIP_BATCH_PATH, {"-j", "2", "--converter", FAKECONV_PATH, "-f", "MP3", "-o", Q("out"), Q("in")});
    ASSERT_TRUE(RunUntil([&] { return WrittenPid(Path("a.pid")) != 0 && WrittenPid(Path("b.pid")) != 0; }));
    const pid_t converters[] = {WrittenPid(Path("a.pid")), WrittenPid(Path("b.pid"))};
    for (pid_t pid : converters) ::kill(pid, SIGSTOP);
    ASSERT_TRUE(RunUntil([&] { return Stopped(converters[0]) && Stopped(converters[1]); }));
    ::kill(static_cast<pid_t>(batch.processId()), SIGTERM);
    ASSERT_TRUE(RunUntil([&] {
        return SignalPending(converters[0], SIGTERM) && SignalPending(converters[1], SIGTERM);
    }));
    for (pid_t pid : converters) ::kill(pid, SIGCONT);
    ASSERT_TRUE(batch.waitForFinished(60000));

    EXPECT_EQ(batch.exitCode(), 128 + SIGTERM);
    const std::string output = batch.readAllStandardOutput().toStdString();
    EXPECT_TRUE(output.ends_with("\nSUMMARY 0 converted, 0 failed, 4 not converted\n")) << output;
    EXPECT_EQ(Runs(), 2u);
    EXPECT_FALSE(std::filesystem::exists(Path("c.pid")));
}

}  // namespace
}  // namespace tavoclip
