#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "BatchDriver.h"
#include "DOSOutputs.h"
#include "FileSystemDirectoryMaker.h"
#include "FocusMark.h"
#include "HotSpot.h"
#include "MessageSink.h"
#include "QtEventPump.h"
#include "QtProcessLauncher.h"
#include "RecordingBatchView.h"
#include "RecordingMessageSink.h"
#include "RunUntil.h"
#include "SettingsStore.h"
#include "SourceQueue.h"
#include "frmOptions.h"

using namespace tavoclip;

namespace {

void MovePointer(QWidget& widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

QStringList Texts(const frmOptions& dialog)
{
    return {dialog.txtFromH().text(), dialog.txtFromM().text(), dialog.txtFromS().text(),
            dialog.txtToH().text(), dialog.txtToM().text(), dialog.txtToS().text()};
}

class frmOptionsTest : public testing::Test {
protected:
    std::unique_ptr<frmOptions> Open()
    {
        return std::make_unique<frmOptions>(options_, store_, messages_);
    }
    QString optionsIni() const { return store_.optionsPath(); }
    QByteArray SavedFile() const
    {
        QFile file(optionsIni());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void SetTimes(frmOptions& dialog, const QStringList& texts)
    {
        QLineEdit* fields[] = {&dialog.txtFromH(), &dialog.txtFromM(), &dialog.txtFromS(),
                               &dialog.txtToH(), &dialog.txtToM(), &dialog.txtToS()};
        for (int i = 0; i < 6; ++i)
            fields[i]->setText(texts[i]);
    }

    QTemporaryDir folder_;
    SettingsStore store_{folder_.path()};
    ConversionOptions options_;
    RecordingMessageSink messages_;
};

}  // namespace

TEST_F(frmOptionsTest, LoadSplitsTheStoredWindowIntoHoursMinutesSeconds)
{
    options_ = {1, 1, 3725, 90};
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Options"));
    EXPECT_EQ(dialog->size(), QSize(328, 175));
    EXPECT_EQ(dialog->cmbSR().currentText(), QStringLiteral("OFF"));
    EXPECT_EQ(dialog->chkMC().checkState(), Qt::Checked);
    EXPECT_EQ(Texts(*dialog), (QStringList{"1", "2", "5", "0", "1", "30"}));
    EXPECT_TRUE(dialog->txtFromH().isEnabled());
    EXPECT_TRUE(dialog->txtToS().isEnabled());
}

TEST_F(frmOptionsTest, CutterOffShowsDisabledZerosWhateverIsStored)
{
    options_ = {0, 0, 3725, 90};
    auto dialog = Open();
    EXPECT_EQ(dialog->cmbSR().currentText(), QStringLiteral("ON"));
    EXPECT_EQ(dialog->chkMC().checkState(), Qt::Unchecked);
    EXPECT_EQ(Texts(*dialog), (QStringList{"0", "0", "0", "0", "0", "0"}));
    EXPECT_FALSE(dialog->txtFromH().isEnabled());
    EXPECT_FALSE(dialog->txtToS().isEnabled());

    // Ticking the box enables the fields and leaves their texts alone.
    dialog->chkMC().click();
    EXPECT_TRUE(dialog->txtFromM().isEnabled());
    EXPECT_TRUE(dialog->txtToH().isEnabled());
    EXPECT_EQ(dialog->txtFromS().text(), QStringLiteral("0"));
}

TEST_F(frmOptionsTest, UnknownStoredValuesLoadWithoutSelection)
{
    options_ = {7, 2, 3725, 90};
    auto dialog = Open();
    EXPECT_EQ(dialog->cmbSR().currentIndex(), -1);
    EXPECT_EQ(dialog->chkMC().checkState(), Qt::PartiallyChecked);
    EXPECT_FALSE(dialog->txtFromH().isEnabled());
    // A click chooses on or off; the grey state does not come back.
    dialog->chkMC().click();
    dialog->chkMC().click();
    dialog->chkMC().click();
    EXPECT_NE(dialog->chkMC().checkState(), Qt::PartiallyChecked);

    options_ = {-1, 9, 0, 0};
    dialog = Open();
    EXPECT_EQ(dialog->cmbSR().currentIndex(), -1);
    EXPECT_EQ(dialog->chkMC().checkState(), Qt::Unchecked);
}

TEST_F(frmOptionsTest, OkRefusesMinutesOrSecondsAboveFiftyNineInOrder)
{
    struct Case {
        QStringList times;
        const char* message;
        int field;  // 0..5: FromH FromM FromS ToH ToM ToS
    };
    const Case cases[] = {
        {{"0", "60", "0", "0", "0", "0"}, "Minutes must less than 60", 1},
        {{"0", "0", "0", "0", "61", "0"}, "Minutes must less than 60", 4},
        {{"0", "0", "60", "0", "0", "0"}, "Seconds must less than 60", 2},
        {{"0", "0", "0", "0", "0", "75"}, "Seconds must less than 60", 5},
        // Start minutes come before length minutes, minutes before seconds.
        {{"0", "1", "99", "0", "70", "99"}, "Minutes must less than 60", 4},
        {{"0", "0", "80", "0", "0", "75"}, "Seconds must less than 60", 2},
        {{"0", "59.5", "0", "0", "0", "0"}, "Minutes must less than 60", 1},
    };
    options_ = {0, 1, 10, 20};
    const ConversionOptions before = options_;
    for (const Case& c : cases) {
        messages_.shown.clear();
        auto dialog = Open();
        SetTimes(*dialog, c.times);
        dialog->imgOK_Click();
        ASSERT_EQ(messages_.shown.size(), 1u) << c.times.join(',').toStdString();
        EXPECT_EQ(messages_.shown[0].text, c.message);
        EXPECT_EQ(messages_.shown[0].title, "Min");
        EXPECT_EQ(messages_.shown[0].icon, MessageIcon::Exclamation);
        const QLineEdit* fields[] = {&dialog->txtFromH(), &dialog->txtFromM(), &dialog->txtFromS(),
                                     &dialog->txtToH(), &dialog->txtToM(), &dialog->txtToS()};
        EXPECT_EQ(dialog->focusWidget(), fields[c.field]) << c.times.join(',').toStdString();
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_EQ(options_, before);
    }
    EXPECT_FALSE(QFile::exists(optionsIni()));

    // 59 is allowed everywhere; hours have no limit.
    messages_.shown.clear();
    auto dialog = Open();
    SetTimes(*dialog, {"100", "59", "59", "0", "59", "59"});
    dialog->imgOK_Click();
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(options_.cutStartSeconds, 100 * 3600 + 59 * 60 + 59);
}

TEST_F(frmOptionsTest, OkWithAllZeroTimesTurnsTheCutterOff)
{
    options_ = {0, 1, 300, 60};
    auto dialog = Open();
    SetTimes(*dialog, {"0", "0", "0", "0", "abc", ""});  // no number counts as 0
    dialog->imgOK_Click();
    EXPECT_EQ(dialog->chkMC().checkState(), Qt::Unchecked);
    EXPECT_FALSE(dialog->txtFromH().isEnabled());
    EXPECT_EQ(options_, (ConversionOptions{0, 0, 0, 0}));
    EXPECT_EQ(SavedFile(), QByteArray("0\r\n0\r\n0\r\n0\r\n"));
}

TEST_F(frmOptionsTest, OkStoresTheWindowAndWritesOptionsIni)
{
    options_ = {0, 1, 0, 0};
    auto dialog = Open();
    dialog->cmbSR().setCurrentIndex(1);
    SetTimes(*dialog, {"0", "1", "30", "0", "0", "45"});
    dialog->imgOK_Click();
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(options_, (ConversionOptions{1, 1, 90, 45}));
    EXPECT_EQ(SavedFile(), QByteArray("1\r\n1\r\n90\r\n45\r\n"));
}

TEST_F(frmOptionsTest, OkRoundsFractionsAndKeepsTotalsThatDoNotFit)
{
    options_ = {0, 1, 0, 77};
    auto dialog = Open();
    // 2.5 s rounds to the even 2; a length of a million hours does not fit
    // 32 bits and leaves the stored length alone. Negative times pass.
    SetTimes(*dialog, {"0", "0", "2.5", "1000000", "0", "0"});
    dialog->imgOK_Click();
    EXPECT_EQ(options_.cutStartSeconds, 2);
    EXPECT_EQ(options_.cutLengthSeconds, 77);

    dialog = Open();
    SetTimes(*dialog, {"-1", "0", "0", "0", "0", "3.5"});
    dialog->imgOK_Click();
    EXPECT_EQ(options_.cutStartSeconds, -3600);
    EXPECT_EQ(options_.cutLengthSeconds, 4);
    EXPECT_EQ(SavedFile(), QByteArray("0\r\n1\r\n-3600\r\n4\r\n"));
}

TEST_F(frmOptionsTest, UnwritableFolderIsReportedAndTheOptionsStillApply)
{
    const SettingsStore nowhere(folder_.filePath(QStringLiteral("missing/folder")));
    options_ = {0, 1, 0, 0};
    frmOptions dialog(options_, nowhere, messages_);
    SetTimes(dialog, {"0", "0", "30", "0", "0", "10"});
    dialog.imgOK_Click();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_NE(messages_.shown[0].text.find("could not be saved"), std::string::npos);
    EXPECT_EQ(messages_.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(options_, (ConversionOptions{0, 1, 30, 10}));
}

TEST_F(frmOptionsTest, BackAndExitChangeNothing)
{
    options_ = {0, 1, 3725, 90};
    const ConversionOptions before = options_;
    for (bool useExit : {false, true}) {
        auto dialog = Open();
        dialog->show();
        dialog->cmbSR().setCurrentIndex(1);
        dialog->chkMC().click();
        SetTimes(*dialog, {"9", "9", "9", "9", "9", "9"});
        useExit ? dialog->imgExit_Click() : dialog->imgBack_Click();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(options_, before);
    }
    EXPECT_FALSE(QFile::exists(optionsIni()));
    // The next opening starts from the stored options again.
    EXPECT_EQ(Texts(*Open()), (QStringList{"1", "2", "5", "0", "1", "30"}));
}

// Tab reaches OK and Back and marks them; Return in a field is OK, Return or
// Space on a focused button presses it, Escape is Back.
TEST_F(frmOptionsTest, TheKeyboardReachesAndPressesOkAndBack)
{
    options_ = {0, 1, 60, 90};
    struct Row {
        const char* what;
        const char* focus;  // objectName
        Qt::Key key;
        bool saved;
    };
    const Row rows[] = {
        {"Return in a time field", "txtFromS", Qt::Key_Return, true},
        {"Return in the sound list", "cmbSR", Qt::Key_Return, true},
        {"Space on OK", "imgOK", Qt::Key_Space, true},
        {"Return on Back", "imgBack", Qt::Key_Return, false},
        {"Escape in a time field", "txtToM", Qt::Key_Escape, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QFile::remove(optionsIni());
        auto dialog = Open();
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        dialog->txtFromS().setText("7");
        auto* target = dialog->findChild<QWidget*>(row.focus);
        ASSERT_NE(target, nullptr);
        dialog->chkMC().setFocus(Qt::TabFocusReason);  // the focus comes to target from elsewhere
        target->setFocus(Qt::TabFocusReason);
        auto* mark = dialog->findChild<FocusMark*>();
        ASSERT_NE(mark, nullptr);
        EXPECT_EQ(mark->marked(), target);
        QTest::keyClick(target, row.key);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(QFile::exists(optionsIni()), row.saved);
        EXPECT_EQ(options_.cutStartSeconds, row.saved ? 67 : 60);
        options_.cutStartSeconds = 60;
    }

    auto dialog = Open();
    for (const char* name : {"imgOK", "imgBack"})
        EXPECT_TRUE(dialog->findChild<QWidget*>(name)->focusPolicy() & Qt::TabFocus) << name;
}

// A screen reader hears each control by what it sets.
TEST_F(frmOptionsTest, EveryControlIsNamedForScreenReaders)
{
    auto dialog = Open();
    const std::pair<const char*, const char*> names[] = {
        {"cmbSR", "Completion Sound"}, {"chkMC", "Music Cutter"}, {"txtFromH", "Start hours"}, {"txtFromM", "Start minutes"}, {"txtFromS", "Start seconds"}, {"txtToH", "Length hours"}, {"txtToM", "Length minutes"}, {"txtToS", "Length seconds"}, {"imgOK", "OK"}, {"imgBack", "Back"}};
    for (const auto& [object, name] : names) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(dialog->findChild<QWidget*>(object));
        ASSERT_NE(face, nullptr) << object;
        EXPECT_EQ(face->text(QAccessible::Name), QString(name)) << object;
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&dialog->cmbSR())->text(QAccessible::Description),
              "Plays a sound when a batch ends");
}

TEST_F(frmOptionsTest, HoverLightsButtonsAndTheBackgroundRestoresThem)
{
    auto dialog = Open();
    const QPixmap arrow = dialog->picButtonBR().picture();
    ASSERT_FALSE(arrow.isNull());
    EXPECT_EQ(arrow.deviceIndependentSize().toSize(), QSize(18, 18));

    MovePointer(dialog->imgOK(), {3, 3});
    MovePointer(dialog->imgBack(), {3, 3});
    MovePointer(dialog->picButtonBR(), {3, 3});
    EXPECT_EQ(dialog->imgOK().picture().deviceIndependentSize().toSize(), QSize(58, 18));
    EXPECT_TRUE(dialog->imgBack().showsPicture());
    EXPECT_NE(dialog->picButtonBR().picture().cacheKey(), arrow.cacheKey());

    MovePointer(*dialog, {30, 150});
    EXPECT_FALSE(dialog->imgOK().showsPicture());
    EXPECT_FALSE(dialog->imgBack().showsPicture());
    EXPECT_EQ(dialog->picButtonBR().picture().cacheKey(), arrow.cacheKey());
}

TEST_F(frmOptionsTest, DropDownButtonOpensTheSoundList)
{
    auto dialog = Open();
    dialog->show();
    EXPECT_EQ(dialog->picButtonBR().toolTip(), QStringLiteral("MP3 Audio Bitrate"));
    EXPECT_EQ(dialog->cmbSR().toolTip(), QStringLiteral("MP3 Audio Bitrate"));
    QTest::mouseClick(&dialog->picButtonBR(), Qt::LeftButton);
    EXPECT_TRUE(dialog->cmbSR().view()->isVisible());
    dialog->cmbSR().hidePopup();
}

// The dialog writes the process-wide options that the batch driver reads at
// its next Finish.
TEST_F(frmOptionsTest, SoundOffChosenHereSilencesTheNextFinish)
{
    RecordingBatchView view;
    SourceQueue queue;
    QtProcessLauncher launcher;
    QtEventPump pump;
    DOSOutputs runner(launcher, view);
    FileSystemDirectoryMaker directories;
    BatchDriver driver(view, queue, {&runner}, options_, {pump, directories, view, view}, {folder_.path().toStdString(), {}});
    driver.SetSettings({{}, folder_.filePath(QStringLiteral("out")).toStdString()});
    view.Follow(driver);

    for (int choice : {1, 0}) {
        auto dialog = Open();
        dialog->cmbSR().setCurrentIndex(choice);
        dialog->imgOK_Click();
        view.log.clear();
        // A name the batch refuses: it finishes without running a converter.
        queue.AppendSource(folder_.filePath(QStringLiteral("x")).toStdString() + "\xff.flv");
        driver.Start();
        ASSERT_TRUE(RunUntil([&] { return view.Ended(); }));
        EXPECT_EQ(view.captions.back(), "Done.");
        EXPECT_EQ(view.Count("sound "), choice == 1 ? 0u : 1u) << "choice " << choice;
    }
}
