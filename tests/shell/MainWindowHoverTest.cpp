#include <QComboBox>
#include <QLineEdit>

#include "LinkLabel.h"
#include "MainWindowFixture.h"

using namespace tavoclip;
using namespace tavoclip::testing;

namespace {
QImage Look(const HotSpot& spot)
{
    return spot.picture().toImage();
}
}  // namespace

TEST_F(MainWindowTest, HoverPicturesHaveTheirDesignSizes)
{
    const std::pair<const char*, QSize> sizes[] = {
        {"imgMenu1", {59, 15}}, {"imgToolbar0", {86, 53}}, {"imgHelp", {12, 17}}, {"imgMin", {14, 14}}, {"imgExit", {14, 13}}, {"imgBrowse", {42, 22}}, {"imgConvert", {185, 88}}, {"picButtonOF", {18, 18}}};
    for (const auto& [name, size] : sizes) {
        Hover(Spot(name));
        EXPECT_EQ(Spot(name).picture().deviceIndependentSize().toSize(), size) << name;
    }
}

TEST_F(MainWindowTest, OnlyOneToolbarButtonAndOneMenuWordLight)
{
    Hover(Spot("imgToolbar0"));
    Hover(Spot("imgToolbar6"));
    EXPECT_FALSE(Spot("imgToolbar0").showsPicture());
    EXPECT_TRUE(Spot("imgToolbar6").showsPicture());

    Hover(Spot("imgMenu0"));
    Hover(Spot("imgMenu2"));
    EXPECT_FALSE(Spot("imgMenu0").showsPicture());
    EXPECT_TRUE(Spot("imgMenu2").showsPicture());
    EXPECT_TRUE(Spot("imgToolbar6").showsPicture()) << "a toolbar button and a menu word light together";

    Hover(Spot("imgHelp"));
    Hover(Control("cmbOF"));
    Hover(Control("LV"));
    EXPECT_TRUE(Spot("imgHelp").showsPicture()) << "other controls do not clear it";
}

TEST_F(MainWindowTest, BackgroundMoveResetsEveryLook)
{
    for (const char* name : {"imgToolbar2", "imgMenu1", "imgHelp", "imgMin", "imgExit", "imgBrowse", "imgConvert",
                             "picButtonOF", "picButtonBR", "picButtonR", "picButtonChannel"})
        Hover(Spot(name));
    const QImage arrow = Look(Spot("picButtonR"));
    Hover(Control("lblFeed"));
    EXPECT_TRUE(Control<LinkLabel>("lblFeed").isBold());

    HoverBackground();
    for (const char* name : {"imgToolbar2", "imgMenu1", "imgHelp", "imgMin", "imgExit", "imgBrowse", "imgConvert"})
        EXPECT_FALSE(Spot(name).showsPicture()) << name;
    for (const char* name : {"picButtonOF", "picButtonBR", "picButtonR", "picButtonChannel"}) {
        EXPECT_TRUE(Spot(name).showsPicture()) << name << " rests on its arrow";
        EXPECT_NE(Look(Spot(name)), arrow) << name;
    }
    EXPECT_FALSE(Control<LinkLabel>("lblFeed").isBold());
}

TEST_F(MainWindowTest, PressLooks)
{
    Hover(Spot("imgToolbar0"));
    Send(Spot("imgToolbar0"), QEvent::MouseButtonPress, Qt::RightButton);
    EXPECT_FALSE(Spot("imgToolbar0").showsPicture()) << "any button clears the toolbar";
    Hover(Spot("imgToolbar0"));
    EXPECT_TRUE(Spot("imgToolbar0").showsPicture());

    Hover(Spot("imgBrowse"));
    const QImage lit = Look(Spot("imgBrowse"));
    Send(Spot("imgBrowse"), QEvent::MouseButtonPress);
    EXPECT_TRUE(Spot("imgBrowse").showsPicture());
    EXPECT_NE(Look(Spot("imgBrowse")), lit) << "pressed look";
    Hover(Spot("imgBrowse"));
    EXPECT_EQ(Look(Spot("imgBrowse")), lit);

    Hover(Spot("imgConvert"));
    Send(Spot("imgConvert"), QEvent::MouseButtonPress);
    EXPECT_FALSE(Spot("imgConvert").showsPicture());
}

TEST_F(MainWindowTest, DisabledControlsShowNoHoverAndIgnoreClicks)
{
    Window().BatchStarted();

    for (const char* name : {"imgToolbar0", "imgMenu0", "imgConvert"}) {
        Hover(Spot(name));
        Click(Spot(name));
        EXPECT_FALSE(Spot(name).showsPicture()) << name;
    }
    Hover(Control("lblFeed"));
    Click(Control("lblFeed"));
    EXPECT_FALSE(Control<LinkLabel>("lblFeed").isBold());
    EXPECT_TRUE(operations.calls.empty());
    EXPECT_TRUE(desktop.popups.empty());

    // The window's own buttons keep working during a batch.
    Click(Spot("imgBrowse"));
    Click(Spot("imgExit"));
    EXPECT_EQ(operations.calls, (std::vector<std::string>{"BrowseOutputFolder"}));
    EXPECT_EQ(endings, 1);
}

TEST_F(MainWindowTest, OnlyADragOnTheBareBackgroundMovesTheWindow)
{
    frmMain& window = Window();
    window.move(100, 100);
    const auto send = [](QWidget& target, QEvent::Type type, QPoint pos, Qt::MouseButtons held) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(pos), target.mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
    };
    send(window, QEvent::MouseMove, {350, 118}, Qt::NoButton);
    send(window, QEvent::MouseMove, {380, 150}, Qt::NoButton);
    EXPECT_EQ(window.pos(), QPoint(100, 100)) << "a move without a button moves nothing";

    send(Spot("imgConvert"), QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    send(Spot("imgConvert"), QEvent::MouseMove, {40, 40}, Qt::LeftButton);
    send(Spot("imgConvert"), QEvent::MouseButtonRelease, {40, 40}, Qt::NoButton);
    EXPECT_EQ(window.pos(), QPoint(100, 100)) << "a press on a control never drags";

    send(window, QEvent::MouseButtonPress, {350, 118}, Qt::LeftButton);
    send(window, QEvent::MouseMove, {380, 158}, Qt::LeftButton);
    send(window, QEvent::MouseButtonRelease, {380, 158}, Qt::NoButton);
    EXPECT_EQ(window.pos(), QPoint(130, 140));
}
