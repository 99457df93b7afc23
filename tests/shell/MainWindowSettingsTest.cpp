#include <QComboBox>
#include <QLineEdit>

#include "MainWindowFixture.h"

using namespace tavoclip;
using namespace tavoclip::testing;

namespace {
struct Shown {
    QString format, video, size, audio, folder;
};
}  // namespace

class MainWindowSettingsTest : public MainWindowTest {
protected:
    Shown Selections()
    {
        return {Control<QComboBox>("cmbOF").currentText(), Control<QComboBox>("cmbBR").currentText(),
                Control<QComboBox>("cmbR").currentText(), Control<QComboBox>("cmbChannel").currentText(),
                Control<QLineEdit>("txtPath").text()};
    }
};

TEST_F(MainWindowSettingsTest, SameFormatKeepsTheRestoredSelections)
{
    WriteProgramFile("setup.ini", "\"8\"\r\n\"11\"\r\n\"6\"\r\n\"/srv/out, new\"\r\n\"0\"\r\n");
    const Shown shown = Selections();
    EXPECT_EQ(shown.video, "320k");
    EXPECT_EQ(shown.size, "720x320");
    EXPECT_EQ(shown.audio, "320k");
    EXPECT_EQ(shown.folder, "/srv/out, new");
}

TEST_F(MainWindowSettingsTest, AnotherFormatReplacesTheRestoredSelections)
{
    WriteProgramFile("setup.ini", "\"8\"\r\n\"11\"\r\n\"6\"\r\n\"/srv/out\"\r\n\"5\"\r\n");
    const Shown shown = Selections();
    EXPECT_EQ(shown.format, "3GP(CellPhone Video)");
    EXPECT_EQ(shown.video, "128k");
    EXPECT_EQ(shown.size, "176x144");
    EXPECT_EQ(shown.audio, "4.75k");
    EXPECT_EQ(Control<QComboBox>("cmbChannel").count(), 8);
    EXPECT_EQ(shown.folder, "/srv/out");
}

TEST_F(MainWindowSettingsTest, BadValuesKeepTheDefaultsAndTheRestStillApplies)
{
    WriteProgramFile("setup.ini", "\"x\"\r\n\"12\"\r\n\"-1\"\r\n\"\"\r\n");
    const Shown shown = Selections();
    EXPECT_EQ(shown.video, "128k");
    EXPECT_EQ(shown.size, "320x240") << "12 is past the end of the list";
    EXPECT_EQ(shown.audio, "128k");
    EXPECT_EQ(shown.folder, folder.path() + "/output") << "an empty folder gets the default";
    EXPECT_EQ(shown.format, "MPG(Windows MPEG-1)") << "the file ended early";
}

TEST_F(MainWindowSettingsTest, AnyFileContentStartsTheWindow)
{
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise.append(static_cast<char>((i * 131 + 7) % 256));
    WriteProgramFile("setup.ini", noise);
    WriteProgramFile("options.ini", noise);
    EXPECT_EQ(Window().size(), QSize(700, 499));
    EXPECT_FALSE(Control<QComboBox>("cmbOF").currentText().isEmpty());
}

TEST_F(MainWindowSettingsTest, OptionsAreLoadedAtStart)
{
    WriteProgramFile("options.ini", "1\r\n1\r\n30\r\n90\r\n");
    Window();
    EXPECT_EQ(options, (ConversionOptions{1, 1, 30, 90}));
}

TEST_F(MainWindowSettingsTest, ExitAndRestartKeepsEveryChoiceAndAQuotedFolder)
{
    Control<QComboBox>("cmbOF").setCurrentIndex(6);
    Control<QComboBox>("cmbChannel").setCurrentIndex(5);
    Control<QLineEdit>("txtPath").setText("/home/me/\"best\" clips, 2026");
    const Shown before = Selections();
    Click(Spot("imgExit"));

    window.reset();
    const Shown after = Selections();
    EXPECT_EQ(after.format, before.format);
    EXPECT_EQ(after.audio, "128k") << "restoring format 6 runs the format-change rule";
    EXPECT_EQ(after.folder, before.folder);
}

TEST_F(MainWindowSettingsTest, UnwritableProgramFolderStillExits)
{
    WriteProgramFile("setup.ini", "");
    QFile::remove(folder.path() + "/setup.ini");
    // A folder where the file should be cannot be replaced by a file.
    ASSERT_TRUE(QDir(folder.path()).mkdir("setup.ini"));
    Click(Spot("imgExit"));
    EXPECT_EQ(endings, 1);
    EXPECT_TRUE(QFileInfo(folder.path() + "/setup.ini").isDir());
}

TEST_F(MainWindowSettingsTest, ASavedFolderThatIsNotUtf8KeepsItsBytesForTheBatchAndTheNextSave)
{
    const QByteArray line = "\"0\"\r\n\"0\"\r\n\"0\"\r\n\"/srv/od\xff\"\r\n\"0\"\r\n";
    WriteProgramFile("setup.ini", line);
    EXPECT_EQ(Window().CurrentBatchSettings().outputFolder, "/srv/od\xff");
    Click(Spot("imgExit"));
    EXPECT_NE(ReadProgramFile("setup.ini").find("\"/srv/od\xff\""), std::string::npos);
}
