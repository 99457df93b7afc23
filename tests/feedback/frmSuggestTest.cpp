#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

#include "HotSpot.h"
#include "LocalHttpServer.h"
#include "frmSuggest.h"

using tavoclip::FeedbackEndpoint;
using tavoclip::frmSuggest;

namespace {

constexpr auto kPath = "/suggest/post.php";

std::unique_ptr<frmSuggest> FormFor(const LocalHttpServer& server, std::chrono::milliseconds timeout)
{
    return std::make_unique<frmSuggest>(
        FeedbackEndpoint{QUrl(server.address(QString::fromLatin1(kPath))), timeout});
}

void MovePointer(QWidget& widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

// The widgets that Tab visits, in order.
QList<QWidget*> TabChain(QWidget& window)
{
    QList<QWidget*> chain;
    for (QWidget* next = window.nextInFocusChain(); next != &window; next = next->nextInFocusChain())
        if (next->focusPolicy() & Qt::TabFocus)
            chain.append(next);
    return chain;
}

void FillIn(frmSuggest& form)
{
    form.txtName().setText(QStringLiteral("n"));
    form.txtEMail().setText(QStringLiteral("e"));
    form.txtComment().setText(QStringLiteral("c"));
}

// The process's peak resident set (VmHWM in /proc/self/status), in KiB.
qint64 PeakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

}  // namespace

TEST(frmSuggestForm, OpensEmptyWithLimitsTipsAndTabOrder)
{
    frmSuggest form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("FeedBack"));
    EXPECT_EQ(form.size(), QSize(328, 178));
    EXPECT_TRUE(form.txtName().text().isEmpty());
    EXPECT_TRUE(form.txtEMail().text().isEmpty());
    EXPECT_TRUE(form.txtComment().text().isEmpty());
    EXPECT_TRUE(form.lblSending().isHidden());
    EXPECT_TRUE(form.imgSend().isEnabled());

    QTest::keyClicks(&form.txtName(), QString(60, QLatin1Char('n')));
    QTest::keyClicks(&form.txtEMail(), QString(110, QLatin1Char('e')));
    QTest::keyClicks(&form.txtComment(), QString(300, QLatin1Char('c')));
    EXPECT_EQ(form.txtName().text().size(), 50);
    EXPECT_EQ(form.txtEMail().text().size(), 100);
    EXPECT_EQ(form.txtComment().text().size(), 256);

    EXPECT_EQ(form.txtName().toolTip(), QStringLiteral("Your Name"));
    EXPECT_EQ(form.txtEMail().toolTip(), QStringLiteral("Email"));
    EXPECT_TRUE(form.txtComment().toolTip().isEmpty());
    EXPECT_EQ(form.imgSend().toolTip(), QStringLiteral("Send your feedback now"));
    EXPECT_EQ(form.imgBack().toolTip(), QStringLiteral("back to main"));
    EXPECT_EQ(form.imgExit().toolTip(), QStringLiteral("Exit"));
    const QList<QWidget*> expected{&form.txtName(), &form.txtEMail(), &form.txtComment(),
                                   &form.imgSend(), &form.imgBack(), &form.imgExit()};
    EXPECT_EQ(TabChain(form), expected);
}

// Return in a field presses Send, Return or Space on a focused button
// presses it, Escape is Back; every field is named for a screen reader.
TEST(frmSuggestForm, TheKeyboardPressesTheButtonsAndTheFieldsAreNamed)
{
    struct Row {
        const char* what;
        std::function<QWidget&(frmSuggest&)> focus;
        Qt::Key key;
        bool staysOpen;
        QString status;  // what Send shows, or nothing
    };
    const Row rows[] = {
        {"Return in a field", [](frmSuggest& f) -> QWidget& { return f.txtEMail(); }, Qt::Key_Return, true,
         "Your Name?"},
        {"Enter in a field", [](frmSuggest& f) -> QWidget& { return f.txtComment(); }, Qt::Key_Enter, true,
         "Your Name?"},
        {"Space on Send", [](frmSuggest& f) -> QWidget& { return f.imgSend(); }, Qt::Key_Space, true, "Your Name?"},
        {"Return on Back", [](frmSuggest& f) -> QWidget& { return f.imgBack(); }, Qt::Key_Return, false, ""},
        {"Escape in a field", [](frmSuggest& f) -> QWidget& { return f.txtName(); }, Qt::Key_Escape, false, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        frmSuggest form;
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        QWidget& target = row.focus(form);
        target.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&target, row.key);
        EXPECT_EQ(form.isVisible(), row.staysOpen);
        EXPECT_EQ(form.lblSending().isHidden() ? QString() : form.lblSending().text(), row.status);
    }

    frmSuggest form;
    const std::pair<QWidget*, QString> names[] = {
        {&form.txtName(), "Your Name"}, {&form.txtEMail(), "E-mail"}, {&form.txtComment(), "Comment"}};
    for (const auto& [field, name] : names)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name), name);
}

TEST(frmSuggestForm, PromptsForTheFirstEmptyFieldAndSendsNothing)
{
    LocalHttpServer server;
    auto form = FormFor(server, std::chrono::seconds(5));

    form->imgSend_Click();
    EXPECT_EQ(form->lblSending().text(), QStringLiteral("Your Name?"));
    EXPECT_FALSE(form->lblSending().isHidden());
    EXPECT_EQ(form->focusWidget(), &form->txtName());

    form->txtName().setText(QStringLiteral(" "));  // one space is a name
    form->txtComment().setText(QStringLiteral("filled before the e-mail"));
    form->Command1_Click();
    EXPECT_EQ(form->lblSending().text(), QStringLiteral("Your Email?"));
    EXPECT_EQ(form->focusWidget(), &form->txtEMail());

    form->txtEMail().setText(QStringLiteral("me@example.org"));
    form->txtComment().clear();
    form->Command1_Click();
    EXPECT_EQ(form->lblSending().text(), QStringLiteral("Comment?"));
    EXPECT_EQ(form->focusWidget(), &form->txtComment());
    EXPECT_TRUE(form->sendEnabled());

    QTest::qWait(100);
    EXPECT_TRUE(server.targets().isEmpty());
}

TEST(frmSuggestForm, SendsTheThreeValuesAsTypedOnceAndFinishes)
{
    LocalHttpServer server;
    auto form = FormFor(server, std::chrono::seconds(10));
    form->txtName().setText(QStringLiteral("Ann O'Neil"));
    form->txtEMail().setText(QStringLiteral("ann+tv@example.org"));
    form->txtComment().setText(QStringLiteral("Tom & Jerry = 100% fun"));

    form->imgSend_Click();
    EXPECT_EQ(form->lblSending().text(), QStringLiteral("Sending..."));
    EXPECT_FALSE(form->imgSend().isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->lblSending().text() == QStringLiteral("Finished."); }, 5000));

    ASSERT_EQ(server.targets().size(), 1);
    const QByteArray& target = server.targets()[0];
    EXPECT_TRUE(target.startsWith(QByteArray(kPath) + "?")) << target.toStdString();
    const QList<QPair<QString, QString>> expected{{QStringLiteral("name"), QStringLiteral("Ann O'Neil")},
                                                  {QStringLiteral("age"), QStringLiteral("ann+tv@example.org")},
                                                  {QStringLiteral("comment"), QStringLiteral("Tom & Jerry = 100% fun")}};
    EXPECT_EQ(LocalHttpServer::QueryPairs(target), expected);

    // Send stays off for this showing, also after "Finished.".
    form->Command1_Click();
    QTest::qWait(100);
    EXPECT_EQ(server.targets().size(), 1);
    EXPECT_EQ(form->lblSending().text(), QStringLiteral("Finished."));
}

TEST(frmSuggestForm, SilentServerEndsInNotSentAfterTheTimeout)
{
    LocalHttpServer silent(false);
    auto form = FormFor(silent, std::chrono::milliseconds(300));
    form->txtName().setText(QStringLiteral("n"));
    form->txtEMail().setText(QStringLiteral("e"));
    form->txtComment().setText(QStringLiteral("c"));
    form->Command1_Click();
    QTest::qWait(100);
    EXPECT_EQ(form->lblSending().text(), QStringLiteral("Sending..."));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->lblSending().text() == QStringLiteral("Not sent."); }, 5000));
}

TEST(frmSuggestForm, AServerErrorShowsNotSent)
{
    LocalHttpServer server;
    server.AnswerWith("HTTP/1.1 500 Internal Server Error", "<html>broken</html>");
    auto form = FormFor(server, std::chrono::seconds(10));
    FillIn(*form);
    form->Command1_Click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->lblSending().text() == QStringLiteral("Not sent."); }, 5000));
    EXPECT_FALSE(form->imgSend().isEnabled());
}

// A server (or anyone on the plain-HTTP path) sending a body without end must
// neither fill the memory nor make the form claim the message went through.
TEST(frmSuggestForm, AnEndlessAnswerKeepsMemoryLowAndShowsNotSent)
{
    LocalHttpServer server;
    // Far more than the limit below, so a form that kept the body would show.
    server.SendEndlessBody(qint64(300) * 1024 * 1024);
    auto form = FormFor(server, std::chrono::seconds(30));
    FillIn(*form);
    form->Command1_Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->lblSending().text() != QStringLiteral("Sending..."); }, 30000));
    EXPECT_EQ(form->lblSending().text(), QStringLiteral("Not sent."));
    const qint64 peak = PeakResidentKiB();
    EXPECT_GT(peak, 0);
    EXPECT_LT(peak, 100 * 1024) << "peak resident memory in KiB";
}

TEST(frmSuggestForm, ClosingWhileSendingAbandonsTheRequest)
{
    LocalHttpServer silent(false);
    auto form = FormFor(silent, std::chrono::milliseconds(200));
    form->show();
    form->txtName().setText(QStringLiteral("n"));
    form->txtEMail().setText(QStringLiteral("e"));
    form->txtComment().setText(QStringLiteral("c"));
    form->Command1_Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return silent.targets().size() == 1; }, 5000));
    form->imgBack_Click();
    EXPECT_FALSE(form->isVisible());
    form.reset();
    QTest::qWait(300);  // past the timeout: nothing may reach the destroyed form
    SUCCEED();
}

TEST(frmSuggestForm, HoverLightsAButtonUntilThePointerCrossesTheBackground)
{
    frmSuggest form;
    MovePointer(form.imgSend(), {5, 5});
    MovePointer(form.imgExit(), {2, 2});
    ASSERT_TRUE(form.imgSend().showsPicture());
    ASSERT_TRUE(form.imgExit().showsPicture());
    EXPECT_EQ(form.imgSend().picture().deviceIndependentSize().toSize(), QSize(58, 18));
    EXPECT_EQ(form.imgExit().picture().deviceIndependentSize().toSize(), QSize(14, 13));
    EXPECT_FALSE(form.imgBack().showsPicture());

    // Over a field the pictures stay; over the bare background they clear.
    MovePointer(form.txtName(), {3, 3});
    EXPECT_TRUE(form.imgSend().showsPicture());
    MovePointer(form, {40, 160});
    EXPECT_FALSE(form.imgSend().showsPicture());
    EXPECT_FALSE(form.imgExit().showsPicture());
}

TEST(frmSuggestForm, SkinCornersAreHolesAndThePanelIsSolid)
{
    frmSuggest form;
    const QRegion shape = form.mask();
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(327, 177)));
    EXPECT_TRUE(shape.contains(QPoint(164, 89)));
    EXPECT_TRUE(shape.contains(form.imgSend().geometry().center()));
}
