#include <QAction>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "LinkLabel.h"
#include "MainWindowFixture.h"

using namespace tavoclip;
using namespace tavoclip::testing;
using Calls = std::vector<std::string>;

TEST_F(MainWindowTest, FirstStartShowsTheDefaults)
{
    frmMain& window = Window();
    EXPECT_EQ(window.windowTitle(), "Tavoclip");
    EXPECT_EQ(window.size(), QSize(700, 499));
    EXPECT_EQ(Control<QComboBox>("cmbOF").currentText(), "MPG(Windows MPEG-1)");
    EXPECT_EQ(Control<QComboBox>("cmbBR").currentText(), "128k");
    EXPECT_EQ(Control<QComboBox>("cmbR").currentText(), "320x240");
    EXPECT_EQ(Control<QComboBox>("cmbChannel").currentText(), "128k");
    EXPECT_EQ(Control<QLineEdit>("txtPath").text(), folder.path() + "/output");
    EXPECT_TRUE(options.soundOn());
    EXPECT_FALSE(options.cutterOn());
    EXPECT_EQ(Control<QLabel>("lblVersion").text(), "Ver 1.2.3");
    EXPECT_EQ(Control<QLabel>("lblWeb").text(), "Tavoclip");
    EXPECT_EQ(Control<QLabel>("imgPB").width(), 0);
    EXPECT_FALSE(Control("picText").isHidden());
    EXPECT_FALSE(QDir(folder.path() + "/output").exists()) << "the batch creates it, not the start";
}

TEST_F(MainWindowTest, ShapeHasHolesInTheCornersOnly)
{
    const QRegion shape = Window().mask();
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(699, 498)));
    EXPECT_TRUE(shape.contains(QPoint(350, 250)));
    EXPECT_TRUE(shape.contains(QPoint(0, 250)));
    EXPECT_TRUE(Window().windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST_F(MainWindowTest, ControlsSitAtTheirDesignRectangles)
{
    Window();
    EXPECT_EQ(Control("imgConvert").geometry(), QRect(489, 371, 187, 91));
    EXPECT_EQ(Control("LV").geometry(), QRect(17, 160, 455, 274));
    EXPECT_EQ(Control("txtPath").geometry(), QRect(488, 330, 143, 23));
    EXPECT_EQ(Control("imgToolbar6").geometry(), QRect(103, 55, 86, 53));
    EXPECT_EQ(Control("picButtonChannel").geometry(), QRect(657, 288, 19, 19));
    EXPECT_LT(Control("imgStart").geometry().right(), 0) << "outside the client area";
    EXPECT_TRUE(Control("txtAction").isHidden());
}

TEST_F(MainWindowTest, ToolbarButtonsReachTheirOperations)
{
    WriteProgramFile("help.html", "<html></html>");
    for (int index : {0, 6, 2})
        Click(Spot(QStringLiteral("imgToolbar%1").arg(index)));
    EXPECT_EQ(operations.calls, (Calls{"AddFiles", "AddFolder", "ShowOptions"}));

    Click(Spot("imgToolbar1"));
    ASSERT_EQ(desktop.popups.size(), 1u);
    EXPECT_EQ(desktop.popups[0].menu, "menuRemove");

    Click(Spot("imgToolbar3"));
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(desktop.opened[0], QUrl::fromLocalFile(folder.path() + "/help.html"));

    Click(Spot("imgToolbar4"));
    EXPECT_EQ(endings, 1);
    EXPECT_FALSE(ReadProgramFile("setup.ini").empty());
}

TEST_F(MainWindowTest, OtherHotSpotsAndLinksReachTheirOperations)
{
    Click(Spot("imgConvert"));
    Click(Spot("imgBrowse"));
    Click(Control("lblFeed"));
    EXPECT_EQ(operations.calls, (Calls{"StartBatch", "BrowseOutputFolder", "ShowFeedback"}));

    Click(Control("lblWeb"));
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(desktop.opened[0].scheme(), "https");

    Click(Spot("picButtonBR"));
    EXPECT_TRUE(Control<QComboBox>("cmbBR").view()->isVisible()) << "the drop-down button opens its list";
    Control<QComboBox>("cmbBR").hidePopup();
}

TEST_F(MainWindowTest, MenuWordsPopUpRightBelowTheWord)
{
    frmMain& window = Window();
    const std::pair<const char*, const char*> words[] = {
        {"imgMenu0", "menuFile"}, {"imgMenu1", "menuOptions"}, {"imgMenu2", "menuAbout"}};
    for (const auto& [word, menu] : words)
        Click(Spot(word));
    ASSERT_EQ(desktop.popups.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(desktop.popups[i].menu, words[i].second);
    EXPECT_EQ(desktop.popups[0].position, window.mapToGlobal(QPoint(18, 46))) << "270, 695 twips";

    // Scaled by 0.8 the menu still opens at the scaled word's left edge.
    Spot("imgMenu0").setGeometry(14, 25, 32, 12);
    Click(Spot("imgMenu0"));
    EXPECT_EQ(desktop.popups.back().position, window.mapToGlobal(QPoint(14, 37)));
}

TEST_F(MainWindowTest, MenuItemsDispatchThroughTheCommandChannel)
{
    WriteProgramFile("help.html", "<html></html>");
    const std::pair<const char*, const char*> items[] = {{"imgMenu0", "menuAddaFile"},
                                                         {"imgMenu0", "menuAddaFolder"},
                                                         {"imgMenu1", "menuOption"},
                                                         {"imgMenu2", "menuHelp"},
                                                         {"imgMenu2", "menuA"},
                                                         {"imgToolbar1", "menuRemoveSelected"},
                                                         {"imgToolbar1", "menuRemoveAll"}};
    for (const auto& [opener, item] : items) {
        desktop.pick = item;
        Click(Spot(opener));
        EXPECT_TRUE(Control<QLineEdit>("txtAction").text().isEmpty()) << item;
    }
    EXPECT_EQ(operations.calls, (Calls{"AddFiles", "AddFolder", "ShowOptions", "RemoveSelected", "RemoveAll"}));
    EXPECT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(desktop.aboutBoxes, (std::vector<QString>{"Tavoclip"}));

    desktop.pick = "menuExit";
    Click(Spot("imgMenu0"));
    EXPECT_EQ(endings, 1);
    EXPECT_EQ(cleanups, 1);
    EXPECT_FALSE(ReadProgramFile("setup.ini").empty());
}

// The item shows the saved choice when the menu first opens, and each pick
// flips it through the command channel.
TEST_F(MainWindowTest, KeepFolderStructureIsACheckableOptionsItem)
{
    operations.keepFolders = true;
    desktop.pick = "menuKeepFolders";
    for (int pick = 0; pick < 3; ++pick)
        Click(Spot("imgMenu1"));
    EXPECT_EQ(operations.calls, (Calls{"KeepFolders off", "KeepFolders on", "KeepFolders off"}));
    QAction* item = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "frmMenu")
            item = top->findChild<QAction*>("menuKeepFolders");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "Keep Folder Structure");
    EXPECT_FALSE(item->isChecked());
}

TEST_F(MainWindowTest, CommandWordsAreExactAndRunEveryTime)
{
    QLineEdit& channel = Control<QLineEdit>("txtAction");
    channel.setText("AddaFile");
    channel.setText("AddaFile");
    channel.setText("addafile");
    channel.setText("Nonsense");
    EXPECT_EQ(operations.calls, (Calls{"AddFiles", "AddFiles"}));
    EXPECT_TRUE(channel.text().isEmpty());

    desktop.pick.clear();
    Click(Spot("imgMenu0"));
    EXPECT_TRUE(operations.calls.size() == 2) << "a dismissed popup runs nothing";
}

TEST_F(MainWindowTest, HelpWithoutItsFileOpensNothingAndClearsThePicture)
{
    Hover(Spot("imgHelp"));
    ASSERT_TRUE(Spot("imgHelp").showsPicture());
    Click(Spot("imgHelp"));
    EXPECT_TRUE(desktop.opened.empty());
    EXPECT_FALSE(Spot("imgHelp").showsPicture());
}

// With no program to show web pages, Help and the product-name link say so
// instead of doing nothing.
TEST_F(MainWindowTest, HelpAndTheWebLinkSaySoWhenNothingCanShowThem)
{
    WriteProgramFile("help.html", "<html></html>");
    desktop.canOpen = false;
    const std::pair<const char*, const char*> rows[] = {{"imgHelp", "/help.html"}, {"lblWeb", "tavoclip.example.com"}};
    for (const auto& [control, named] : rows) {
        messages.shown.clear();
        Click(Control(control));
        ASSERT_EQ(messages.shown.size(), 1u) << control;
        EXPECT_NE(messages.shown[0].text.find("No program to show web pages was found"), std::string::npos)
            << messages.shown[0].text;
        EXPECT_NE(messages.shown[0].text.find(named), std::string::npos) << messages.shown[0].text;
    }
}

TEST_F(MainWindowTest, MinimiseClearsItsPicture)
{
    Window().show();
    Hover(Spot("imgMin"));
    Click(Spot("imgMin"));
    EXPECT_TRUE(Window().windowState().testFlag(Qt::WindowMinimized));
    EXPECT_FALSE(Spot("imgMin").showsPicture());
}

TEST_F(MainWindowTest, ExitSavesButClosingFromTheWindowManagerDoesNot)
{
    Control<QComboBox>("cmbR").setCurrentIndex(9);
    Click(Spot("imgExit"));
    EXPECT_EQ(ReadProgramFile("setup.ini"),
              "\"4\"\r\n\"9\"\r\n\"3\"\r\n\"" + (folder.path() + "/output").toStdString() + "\"\r\n\"0\"\r\n");
    EXPECT_EQ(cleanups, 1);
    EXPECT_EQ(endings, 1);

    window.reset();
    QFile::remove(folder.path() + "/setup.ini");
    Window().show();
    Window().close();
    EXPECT_TRUE(ReadProgramFile("setup.ini").empty());
    EXPECT_EQ(cleanups, 2) << "both ways out delete the scratch files";
    EXPECT_EQ(endings, 2);
}
