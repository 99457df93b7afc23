// Names reach the converter and the script lines exactly as they are, or the
// file is refused; a name is never silently changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "BatchProgramFixture.h"

namespace tavoclip {
namespace {

namespace fs = std::filesystem;

class NamesTest : public BatchProgramFixture {
protected:
    // QTemporaryDir cannot remove names that are not valid UTF-8.
    void TearDown() override
    {
        std::error_code error;
        fs::remove_all(dir_.path().toStdString(), error);
    }
    // Runs tavoclip-batch with argument bytes as they are (QProcess would
    // pass them through QString); returns its standard output. Its error
    // stream goes to errors.log in the test's folder.
    std::string RunRaw(const std::vector<std::string>& arguments, int& status) const
    {
        std::vector<char*> argv{const_cast<char*>(TAVOCLIP_BATCH_PATH)};
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        int out[2];
        if (::pipe(out) != 0) return {};
        const std::string folder = dir_.path().toStdString();
        const std::string log = Path("runs.log");
        const std::string errors = Path("errors.log");
        const pid_t child = ::fork();
        if (child == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            const int errorFile = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(errorFile, STDERR_FILENO);
            ::close(out[0]);
            ::setenv("FAKECONV_LOG", log.c_str(), 1);
            if (::chdir(folder.c_str()) == 0) ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        std::string text;
        char buffer[4096];
        for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
        ::close(out[0]);
        int wait = 0;
        ::waitpid(child, &wait, 0);
        status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
        return text;
    }
    // A path below the test's folder with its bytes kept as they are.
    std::string Raw(const std::string& name) const { return dir_.path().toStdString() + "/" + name; }
    std::vector<std::string> Entries(const std::string& folder) const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(Path(folder))) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(NamesTest, AnOutputFolderNameThatIsNotUtf8IsRefusedNeverReplaced)
{
    if (!fs::exists(CONV_PATH)) GTEST_SKIP() << "the converter has not been built";
    ASSERT_TRUE(MakeClip("in/clip.avi", 1));
    int status = 0;
    const std::string out = RunRaw({"-f", "MP3", "-o", Raw("in/od\xff"), Path("in/clip.avi")}, status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(out.find("FAILED " + Path("in/clip.avi") + ": the output folder's name is not valid UTF-8"), std::string::npos) << out;
    EXPECT_TRUE(out.ends_with("SUMMARY 0 converted, 1 failed\n")) << out;
    EXPECT_EQ(Entries("in"), (std::vector<std::string>{"clip.avi"}));
}

TEST_F(NamesTest, AFoundSourceNameThatIsNotUtf8IsRefusedAndTheOthersConvert)
{
    Write("in/good.flv", "print Duration: 00:00:01.00, \n");
    std::ofstream(Raw("in/bad\xff.flv")) << "print should not run\n";
    int status = 0;
    const std::string out = RunRaw({"--converter", FAKECONV_PATH, "-f", "MP3", "-o", Path("out"), Path("in")}, status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(out.find("FAILED " + Raw("in/bad\xff.flv") + ": the file's name is not valid UTF-8"), std::string::npos) << out;
    EXPECT_NE(out.find("DONE " + Path("in/good.flv") + " -> " + Path("out/good.mp3")), std::string::npos) << out;
    EXPECT_EQ(Runs(), 1u);

    // The dry run ends as the real run does.
    EXPECT_EQ(RunRaw({"-n", "--converter", FAKECONV_PATH, "-o", Path("out"), Path("in")}, status).find("bad"), std::string::npos);
    EXPECT_EQ(status, 1);
    // So does the job list: the file is left out, and the status says so.
    const std::string jobs = RunRaw({"--print-jobs", "--converter", FAKECONV_PATH, "-o", Path("out"), Path("in")}, status);
    EXPECT_EQ(jobs.find("bad"), std::string::npos);
    EXPECT_NE(jobs.find("good.flv"), std::string::npos);
    EXPECT_EQ(status, 1);

    // An output folder whose name is not UTF-8: the job list, like the real
    // run, makes nothing and names every file with the reason.
    const std::string badFolder = Raw("od\xff");
    EXPECT_EQ(RunRaw({"--print-jobs", "--converter", FAKECONV_PATH, "-o", badFolder, Path("in")}, status), "");
    EXPECT_EQ(status, 1);
    EXPECT_FALSE(fs::exists(badFolder));
    const std::string errors = Bytes(Path("errors.log"));
    EXPECT_NE(errors.find(Path("in/good.flv") + ": the output folder's name is not valid UTF-8"), std::string::npos)
        << errors;
    EXPECT_EQ(errors.find("Please add a file"), std::string::npos) << errors;
}

TEST_F(NamesTest, ControlCharactersInNamesAreEscapedSoEveryEventIsOneLine)
{
    const std::string source =
        Write(
            "x\nSUMMARY 9 converted, 0 failed\n\t\\\xc2\x85"
            "DONE\xe2\x80\xa8\xc3\xa9.flv",
            "print Duration: 00:00:01.00, \n");
    const RunResult run = Run({"--converter", FAKECONV_PATH, "-f", "MP3", "-o", Q("out"), QString::fromStdString(source)});
    EXPECT_EQ(run.status, 0);
    const std::string escaped = Path("x\\nSUMMARY 9 converted, 0 failed\\n\\t\\\\\\u0085DONE\\u2028\xc3\xa9");
    EXPECT_EQ(run.lines, (std::vector<std::string>{"START 1/1 " + escaped + ".flv",
                                                   "DONE " + escaped + ".flv -> " + Path("out/x\\nSUMMARY 9 converted, 0 failed\\n\\t\\\\\\u0085DONE\\u2028\xc3\xa9.mp3"),
                                                   "SUMMARY 1 converted, 0 failed"}));
}

}  // namespace
}  // namespace tavoclip
