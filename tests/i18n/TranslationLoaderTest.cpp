// The language is read from the environment the way gettext reads it.
#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "MainWindowFixture.h"
#include "MessageTexts.h"
#include "PseudoTranslator.h"
#include "TranslationLoader.h"

namespace tavoclip {
namespace {

struct LanguageCase {
    const char* name;
    std::map<std::string, QByteArray> environment;
    QStringList expected;
};

class RequestedLanguages : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(RequestedLanguages, FollowGettextsOrder)
{
    const auto& environment = GetParam().environment;
    const QStringList requested = TranslationLoader::Requested([&](const char* name) {
        const auto found = environment.find(name);
        return found == environment.end() ? QByteArray() : found->second;
    });
    EXPECT_EQ(requested, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, RequestedLanguages,
    ::testing::Values(
        LanguageCase{"Nothing", {}, {}},
        LanguageCase{"PlainC", {{"LANG", "C"}, {"LANGUAGE", "de"}}, {}},
        LanguageCase{"PosixUtf8", {{"LC_ALL", "C.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, {}},
        LanguageCase{"LangOnly", {{"LANG", "pt_BR.UTF-8"}}, {"pt_BR"}},
        LanguageCase{"LcAllBeatsLang", {{"LC_ALL", "fr_FR.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, {"fr_FR"}},
        LanguageCase{"LcMessagesBeatsLang", {{"LC_MESSAGES", "ja_JP.UTF-8"}, {"LANG", "de_DE"}}, {"ja_JP"}},
        LanguageCase{"LanguageListFirst",
                     {{"LANGUAGE", "ru:zh_CN::en"}, {"LANG", "de_DE.ISO-8859-15@euro"}},
                     {"ru", "zh_CN", "en", "de_DE"}}),
    [](const auto& info) { return std::string(info.param.name); });

// LANG=pseudo shows the program in the pseudo-locale; English keeps the
// source texts.
TEST(TranslationLoader, InstallsThePseudoLocaleByName)
{
    const QByteArray saved = qgetenv("LANG");
    qputenv("LANG", "pseudo");
    EXPECT_EQ(TranslationLoader::Install(*QCoreApplication::instance(), TAVOCLIP_TRANSLATIONS_DIR), "pseudo");
    EXPECT_EQ(QCoreApplication::translate("MainWindow", "Convert"), PseudoTranslator::Stretch("Convert"));
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
        delete translator;  // uninstalls it
    qputenv("LANG", "en_GB.UTF-8");
    EXPECT_EQ(TranslationLoader::Install(*QCoreApplication::instance(), TAVOCLIP_TRANSLATIONS_DIR), "");
    EXPECT_EQ(QCoreApplication::translate("MainWindow", "Convert"), "Convert");
    qputenv("LANG", saved);
}

// English stays byte for byte; in German a known heading is translated and
// the rest, a file name that is not UTF-8 included, keeps its bytes.
TEST(MessageTexts, TranslateKnownHeadingsAndKeepTheRestsBytes)
{
    const std::string reasons = "\n\n/v/\xff\xfe.flv: the converter crashed";
    const std::string failures = "These files were not converted:" + reasons;
    for (const std::string& text : {std::string("Please add a file"), failures, std::string("unknown\ntext")})
        EXPECT_EQ(MessageTexts::TranslateBytes(text), text);

    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral("tavoclip_de"), TAVOCLIP_TRANSLATIONS_DIR));
    QCoreApplication::installTranslator(&german);
    EXPECT_EQ(MessageTexts::TranslateBytes(failures), "Diese Dateien wurden nicht umgewandelt:" + reasons);
    EXPECT_EQ(MessageTexts::TranslateBytes("Please add a file"), "Bitte fügen Sie eine Datei hinzu");
    QCoreApplication::removeTranslator(&german);
}

// Help opens the language's page, and the English guide when that page is
// missing.
using HelpPage = testing::MainWindowTest;

TEST_F(HelpPage, OpensTheLanguagesPageOrTheEnglishGuide)
{
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral("tavoclip_de"), TAVOCLIP_TRANSLATIONS_DIR));
    QCoreApplication::installTranslator(&german);
    WriteProgramFile("help.html", "<html></html>");
    Click(Spot("imgHelp"));
    WriteProgramFile("help_de.html", "<html></html>");
    Click(Spot("imgHelp"));
    QCoreApplication::removeTranslator(&german);
    ASSERT_EQ(desktop.opened.size(), 2u);
    EXPECT_EQ(desktop.opened[0], QUrl::fromLocalFile(folder.path() + "/help.html"));
    EXPECT_EQ(desktop.opened[1], QUrl::fromLocalFile(folder.path() + "/help_de.html"));
}

}  // namespace
}  // namespace tavoclip
