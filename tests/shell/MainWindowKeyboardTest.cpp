#include <algorithm>

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

#include "FocusMark.h"
#include "LinkLabel.h"
#include "MainWindowFixture.h"

using namespace tavoclip;
using namespace tavoclip::testing;

namespace {

// The controls a batch disables.
void DisableLikeABatch(frmMain& window)
{
    window.BatchStarted();
}

}  // namespace

class MainWindowKeyboardTest : public MainWindowTest {
protected:
    frmMain& ActiveWindow()
    {
        frmMain& main = Window();
        WriteProgramFile("help.html", "<html></html>");
        main.show();
        main.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
        return main;
    }
    void Press(QKeyCombination keys) { QTest::keyClick(&Window(), keys.key(), keys.keyboardModifiers()); }
};

TEST_F(MainWindowKeyboardTest, ShortcutsDoWhatTheirControlsDo)
{
    ActiveWindow();
    Press(Qt::CTRL | Qt::Key_O);
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_O);
    Press(QKeyCombination(Qt::Key_Delete));
    Press(Qt::CTRL | Qt::Key_Return);
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete);
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_F);
    EXPECT_EQ(operations.calls, (std::vector<std::string>{"AddFiles", "AddFolder", "RemoveSelected", "StartBatch",
                                                          "RemoveAll", "ShowFeedback"}));

    Press(QKeyCombination(Qt::Key_F1));
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_TRUE(desktop.opened[0].toLocalFile().endsWith("/help.html"));

    Press(Qt::ALT | Qt::Key_F);
    Press(Qt::ALT | Qt::Key_O);
    Press(Qt::ALT | Qt::Key_A);
    ASSERT_EQ(desktop.popups.size(), 3u);
    const char* const menus[] = {"menuFile", "menuOptions", "menuAbout"};
    for (int i = 0; i < 3; ++i) {
        const QRect word = Spot(QStringLiteral("imgMenu%1").arg(i)).geometry();
        EXPECT_EQ(desktop.popups[i].menu, menus[i]);
        EXPECT_EQ(desktop.popups[i].position, Window().mapToGlobal(word.bottomLeft() + QPoint(0, 1))) << i;
    }

    Press(Qt::CTRL | Qt::Key_Q);
    EXPECT_EQ(endings, 1);
}

TEST_F(MainWindowKeyboardTest, DuringABatchOnlyTheShortcutsOfEnabledControlsWork)
{
    DisableLikeABatch(ActiveWindow());
    for (QKeyCombination keys : {Qt::CTRL | Qt::Key_O, Qt::CTRL | Qt::SHIFT | Qt::Key_O,
                                 QKeyCombination(Qt::Key_Delete), Qt::CTRL | Qt::Key_Return, Qt::ALT | Qt::Key_F,
                                 Qt::ALT | Qt::Key_O, Qt::ALT | Qt::Key_A, Qt::CTRL | Qt::SHIFT | Qt::Key_Delete,
                                 Qt::CTRL | Qt::SHIFT | Qt::Key_F})
        Press(keys);
    // Nor do the hidden add, remove and start buttons, whatever reaches them.
    for (const char* hidden : {"imgAdd", "imgRemove", "imgStart"})
        QAccessible::queryAccessibleInterface(&Spot(hidden))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(operations.calls.empty());
    EXPECT_TRUE(desktop.popups.empty());

    Press(QKeyCombination(Qt::Key_F1));
    EXPECT_EQ(desktop.opened.size(), 1u) << "Help stays usable during a batch";
}

TEST_F(MainWindowKeyboardTest, TabRunsThroughTheControlsAndMarksOnlyKeyboardFocus)
{
    frmMain& main = ActiveWindow();
    auto* mark = main.findChild<FocusMark*>();
    ASSERT_NE(mark, nullptr);
    QWidget& list = Control("LV");
    list.setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(mark->marked(), nullptr) << "a click shows no mark";

    for (const char* name : {"cmbOF", "cmbBR", "cmbR", "cmbChannel", "txtPath", "imgBrowse", "imgConvert"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr) << name;
        EXPECT_EQ(focused->objectName(), name);
        EXPECT_EQ(mark->marked(), focused) << name;
        EXPECT_TRUE(mark->geometry().contains(focused->geometry())) << name;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(operations.calls, std::vector<std::string>{"StartBatch"});
}

TEST_F(MainWindowKeyboardTest, EveryPictureButtonIsANamedPushButton)
{
    const QList<HotSpot*> buttons = Window().findChildren<HotSpot*>();
    ASSERT_GE(buttons.size(), 20);
    for (HotSpot* button : buttons) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(face, nullptr) << button->objectName().toStdString();
        EXPECT_EQ(face->role(), QAccessible::Button) << button->objectName().toStdString();
        EXPECT_FALSE(face->text(QAccessible::Name).isEmpty()) << button->objectName().toStdString();
        EXPECT_FALSE(face->text(QAccessible::Description).isEmpty()) << button->objectName().toStdString();
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&Spot("imgToolbar0"))->text(QAccessible::Name), "Add Files");

    QAccessibleActionInterface* convert = QAccessible::queryAccessibleInterface(&Spot("imgConvert"))->actionInterface();
    ASSERT_NE(convert, nullptr);
    convert->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(operations.calls, std::vector<std::string>{"StartBatch"});
}

// What a screen reader hears of the controls that are not picture buttons:
// each named by its role, the lists not by their value, the progress as a
// progress bar with its value, the links as links that can be pressed; the
// hidden add, remove and start buttons not at all.
TEST_F(MainWindowKeyboardTest, ControlsAreNamedByTheirRole)
{
    struct Row {
        const char* object;
        QAccessible::Role role;
        const char* name;
    };
    const Row rows[] = {
        {"LV", QAccessible::Tree, "Files to convert"},
        {"txtPath", QAccessible::EditableText, "Output Folder"},
        {"cmbOF", QAccessible::ComboBox, "Output Format"},
        {"cmbBR", QAccessible::ComboBox, "Video Bitrate"},
        {"cmbR", QAccessible::ComboBox, "Screen Size"},
        {"cmbChannel", QAccessible::ComboBox, "Audio Bitrate"},
        {"lblPB", QAccessible::ProgressBar, "Conversion progress"},
        {"lblFeed", QAccessible::Link, "Feedback"},
        {"lblWeb", QAccessible::Link, "Tavoclip"},
    };
    for (const Row& row : rows) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&Control(row.object));
        ASSERT_NE(face, nullptr) << row.object;
        EXPECT_EQ(face->role(), row.role) << row.object;
        EXPECT_EQ(face->text(QAccessible::Name), QString(row.name)) << row.object;
    }

    QAccessibleInterface* progress = QAccessible::queryAccessibleInterface(&Control("lblPB"));
    ASSERT_NE(progress->valueInterface(), nullptr);
    Window().SetProgressBarWidth(5415.0f / 4);
    EXPECT_EQ(progress->valueInterface()->currentValue().toInt(), 25);
    EXPECT_EQ(progress->valueInterface()->maximumValue().toInt(), 100);

    QAccessible::queryAccessibleInterface(&Control("lblFeed"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(operations.calls, std::vector<std::string>{"ShowFeedback"});

    // The window offers only what is shown: not the hidden buttons, nor the
    // hidden command box.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&Window());
    QStringList offered;
    for (int i = 0; i < window->childCount(); ++i) {
        EXPECT_EQ(window->indexOfChild(window->child(i)), i);
        offered << window->child(i)->object()->objectName();
    }
    EXPECT_TRUE(offered.contains("imgConvert"));
    for (const char* hidden : {"imgAdd", "imgRemove", "imgStart", "txtAction"})
        EXPECT_FALSE(offered.contains(hidden)) << hidden;
}

// The output folder's tool tip, the bold "Feedback" link, its disabled look
// and the format list's popup.
TEST_F(MainWindowKeyboardTest, SmallControlsShowAllTheirText)
{
    EXPECT_EQ(Control("txtPath").toolTip(), "Select a Folder to Output");

    // Every format's name fits the list's text field left of the drop-down
    // button laid over the list.
    auto& formats = Control<QComboBox>("cmbOF");
    QStyleOptionComboBox option;
    option.initFrom(&formats);
    const QRect field =
        formats.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &formats);
    const int room = std::min(field.right(), Spot("picButtonOF").geometry().left() - formats.x()) - field.left();
    for (int i = 0; i < formats.count(); ++i)
        EXPECT_LE(formats.fontMetrics().horizontalAdvance(formats.itemText(i)), room) << formats.itemText(i).toStdString();

    auto& feedback = Control<LinkLabel>("lblFeed");
    feedback.SetBold(true);
    EXPECT_LE(feedback.fontMetrics().horizontalAdvance(feedback.text()), feedback.width()) << "bold text clipped";
    feedback.SetBold(false);
    const QImage enabled = feedback.grab().toImage();
    DisableLikeABatch(Window());
    const QImage disabled = feedback.grab().toImage();
    EXPECT_NE(enabled, disabled) << "a disabled link must look disabled";

    ActiveWindow();
    formats.showPopup();
    const QFontMetrics metrics(formats.view()->font());
    for (int i = 0; i < formats.count(); ++i)
        EXPECT_LT(metrics.horizontalAdvance(formats.itemText(i)), formats.view()->viewport()->width())
            << formats.itemText(i).toStdString();
    formats.hidePopup();
}
