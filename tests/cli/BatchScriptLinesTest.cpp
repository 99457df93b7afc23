// tavoclip-batch speaks the user's language to people and stays the same
// for scripts: its script lines are byte-identical in every locale.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "BatchProgramFixture.h"

namespace tavoclip {
namespace {

struct Locale {
    const char* name;
    const char* lang;
    const char* language;
    const char* helpWords;  // from the translated --help
};

// Names the row in test lists rather than dumping its bytes.
void PrintTo(const Locale& locale, std::ostream* out)
{
    *out << locale.name;
}

class BatchScriptLinesTest : public BatchProgramFixture, public ::testing::WithParamInterface<Locale> {
protected:
    RunResult RunIn(const char* lang, const char* language, const QStringList& arguments)
    {
        std::filesystem::remove_all(Path("out"));
        qunsetenv("LC_ALL");
        qunsetenv("LC_MESSAGES");
        qputenv("LANG", lang);
        qputenv("LANGUAGE", language);
        RunResult result = Run(arguments);
        qunsetenv("LANG");
        qunsetenv("LANGUAGE");
        return result;
    }
};

TEST_P(BatchScriptLinesTest, ScriptLinesStayWhileHelpIsTranslated)
{
    Write("in/good.flv", "print Duration: 00:00:10.00, \nprint frame= time=10.00 q\n");
    Write("in/broken.flv", "print broken header\nexit 1\n");
    Write("in/empty.flv", "nooutput\n");
    const QStringList batch = {"--converter", FAKECONV_PATH, "-f", "MP3", "-o", Q("out"), Q("in")};

    const RunResult english = RunIn("C", "", batch);
    const RunResult translated = RunIn(GetParam().lang, GetParam().language, batch);
    ASSERT_EQ(english.lines.size(), 8u) << english.errors;
    EXPECT_EQ(translated.lines, english.lines);
    EXPECT_EQ(translated.status, english.status);

    const RunResult help = RunIn(GetParam().lang, GetParam().language, {"--help"});
    const std::string text = [&] {
        std::string all;
        for (const std::string& line : help.lines) all += line + "\n";
        return all;
    }();
    EXPECT_NE(text.find(GetParam().helpWords), std::string::npos) << text;
    EXPECT_EQ(text.find("Converts video files"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, BatchScriptLinesTest,
    ::testing::Values(Locale{"German", "de_DE.UTF-8", "", "Wandelt Videodateien"},
                      Locale{"Japanese", "ja_JP.UTF-8", "", "動画ファイルを順に変換"},
                      Locale{"RussianByLanguageList", "fr_FR.UTF-8", "ru:fr", "Преобразует видеофайлы"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavoclip
