#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QWidget>
#include <QWindow>

#include <optional>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "ApplyColorKey.h"
#include "BackgroundDrag.h"
#include "BeginWindowDrag.h"
#include "HotSpot.h"
#include "KeepOnScreen.h"
#include "MainSkin.h"
#include "PictureStore.h"
#include "SkinCanvas.h"

using namespace tavoclip;

namespace {

QImage SkinWithKeyPixels(qreal ratio)
{
    QImage skin = SkinCanvas::NewBackground(QSize(20, 10), ratio);
    QPainter painter(&skin);
    painter.fillRect(QRect(2, 0, 18, 10), QColor(254, 0, 255));  // one off the key: solid
    painter.fillRect(QRect(10, 5, 1, 1), QColor(255, 0, 255));   // a hole in the middle
    return skin;
}

void SendMouse(QWidget& target, QEvent::Type type, Qt::MouseButton button, QPoint pos)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), target.mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

// Feeds one event at a screen position to a background drag, the way the
// window's own handlers do.
void Feed(BackgroundDrag& drag, const QWidget& window, QEvent::Type type, Qt::MouseButton button,
          Qt::MouseButtons held, QPoint global)
{
    const QMouseEvent event(type, QPointF(global - window.pos()), QPointF(global), button, held, Qt::NoModifier);
    if (type == QEvent::MouseButtonPress)
        drag.Press(event);
    else if (type == QEvent::MouseMove)
        drag.Move(event);
    else
        drag.Release(event);
}

}  // namespace

TEST(ColorKeyTest, OnlyExactKeyPixelsAreHolesAtAnyPixelRatio)
{
    for (qreal ratio : {1.0, 2.0}) {
        const QImage mask = ColorKeyMask(SkinWithKeyPixels(ratio)).toImage();
        ASSERT_EQ(mask.size(), QSize(20, 10)) << ratio;
        const QRgb solid = mask.pixel(5, 5);
        EXPECT_NE(mask.pixel(0, 0), solid) << "unpainted key corner is a hole";
        EXPECT_NE(mask.pixel(10, 5), solid) << "key pixel in the middle is a hole";
        EXPECT_EQ(mask.pixel(3, 0), solid) << "RGB(254,0,255) stays solid";
    }
}

TEST(ColorKeyTest, WindowIsFramelessShapedAndOpaque)
{
    QWidget window;
    window.resize(20, 10);
    ApplyColorKey(window, SkinWithKeyPixels(1.0));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(window.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
    EXPECT_FALSE(window.mask().contains(QPoint(10, 5)));
    EXPECT_FALSE(window.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(window.mask().contains(QPoint(5, 5)));
}

// The window system drags until the release, which the window never sees;
// the toolkit then still reports the left button as held on the next free
// move. One press must hand over at most one drag.
TEST(BackgroundDragTest, OnePressHandsOverOneDragWhateverTheButtonsSayLater)
{
    QWidget window;
    int handOffs = 0;
    BackgroundDrag drag(window, [&](QWidget&, const QPoint&) { return ++handOffs, true; });

    Feed(drag, window, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {20, 20});
    EXPECT_EQ(handOffs, 0) << "a move with a stale button but no press";

    Feed(drag, window, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {10, 10});
    for (int x : {12, 14, 40})
        Feed(drag, window, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {x, 10});
    EXPECT_EQ(handOffs, 1);
    EXPECT_FALSE(drag.active());

    Feed(drag, window, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, {10, 10});
    Feed(drag, window, QEvent::MouseMove, Qt::NoButton, Qt::RightButton | Qt::LeftButton, {30, 10});
    EXPECT_EQ(handOffs, 1) << "only the left button drags";
}

// A window just mapped by a reparenting window manager may still be recorded
// at 0,0; the window manager's move must start from where the pointer really
// is, which the event itself tells.
TEST(BackgroundDragTest, HandsOverWhereTheEventPlacesTheWindowNotWhereItIsRecorded)
{
    QWidget window;
    std::optional<QPoint> origin;
    BackgroundDrag drag(window, [&](QWidget&, const QPoint& at) { return origin = at, true; });
    const auto send = [&](QEvent::Type type, Qt::MouseButton button, QPoint local, QPoint global) {
        const QMouseEvent event(type, QPointF(local), QPointF(global), button, Qt::LeftButton, Qt::NoModifier);
        type == QEvent::MouseButtonPress ? drag.Press(event) : drag.Move(event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton, {160, 12}, {508, 307});
    send(QEvent::MouseMove, Qt::NoButton, {170, 18}, {518, 313});
    EXPECT_EQ(origin, QPoint(348, 295));
}

// A press that releases never leaves a move running: a click whose pointer
// shakes by a pixel moves nothing and hands nothing over, and a release that
// still reaches the window after a hand-over (it came before the window
// system took the pointer) calls the hand-over off.
TEST(BackgroundDragTest, AClickIsNotADragAndAReleaseAfterTheHandOverCallsItOff)
{
    const int far = QApplication::startDragDistance();
    struct Row {
        const char* what;
        bool windowSystemTakes;
        std::vector<QPoint> moves;  // from the press at 100,100, button held
        bool releaseSeen;
        int handOffs;
        int callOffs;
        QPoint windowAt;  // from 50,50
    };
    const Row rows[] = {
        {"a click with a pixel of jitter", true, {{101, 100}}, true, 0, 0, {50, 50}},
        {"just short of the drag distance", true, {{100 + far - 1, 100}}, true, 0, 0, {50, 50}},
        {"a drag the window system ends", true, {{101, 100}, {100 + far, 100}}, false, 1, 0, {50, 50}},
        {"a release before the window system took over", true, {{100 + far, 100}}, true, 1, 1, {50, 50}},
        {"no window manager: jitter", false, {{101, 101}}, true, 0, 0, {50, 50}},
        {"no window manager: a drag", false, {{101, 100}, {100 + far, 105}}, true, 0, 0, {50 + far, 55}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QWidget window;
        window.move(50, 50);
        int handOffs = 0;
        int callOffs = 0;
        BackgroundDrag drag(
            window, [&](QWidget&, const QPoint&) { return ++handOffs, row.windowSystemTakes; },
            [&](QWidget&) { ++callOffs; });
        Feed(drag, window, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {100, 100});
        for (const QPoint& at : row.moves)
            Feed(drag, window, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, at);
        if (row.releaseSeen)
            Feed(drag, window, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, row.moves.back());
        EXPECT_EQ(row.windowSystemTakes ? handOffs : 0, row.handOffs);
        EXPECT_EQ(callOffs, row.callOffs);
        EXPECT_EQ(window.pos(), row.windowAt);
        EXPECT_FALSE(drag.active());
    }
}

// A window centred on a screen smaller than itself (a scaled window on a
// small screen) or placed past an edge is moved just inside; one larger than
// the screen keeps its top-left corner, with the exit button, on it.
TEST(KeepOnScreenTest, MovesAWindowJustInsideTheAvailableArea)
{
    const QRect available(0, 30, 1280, 690);
    const std::tuple<QRect, QPoint> rows[] = {
        {QRect(100, 100, 400, 300), QPoint(100, 100)},
        {QRect(1000, 600, 400, 300), QPoint(880, 420)},
        {QRect(-50, 0, 400, 300), QPoint(0, 30)},
        {QRect(-200, -100, 1700, 900), QPoint(0, 30)},
    };
    for (const auto& [frame, expected] : rows)
        EXPECT_EQ(KeepOnScreen(frame, available), expected) << frame.x() << "," << frame.y();
}

TEST(BeginWindowDragTest, SetsTheRecordedPlaceRightBeforeHandingOver)
{
    QWidget window;
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.setGeometry(0, 0, 120, 80);
    window.show();
    ASSERT_TRUE(window.windowHandle() != nullptr);
    BeginWindowDrag(window, QPoint(348, 295));
    EXPECT_EQ(window.windowHandle()->position(), QPoint(348, 295));
    // Already in line: nothing to ask of the window system.
    BeginWindowDrag(window, QPoint(348, 295));
    EXPECT_EQ(window.windowHandle()->geometry(), QRect(348, 295, 120, 80));
}

TEST(BackgroundDragTest, WithoutWindowSystemDragTheWindowFollowsUntilRelease)
{
    QWidget window;
    window.move(100, 100);
    BackgroundDrag drag(window, [](QWidget&, const QPoint&) { return false; });
    const auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint global) {
        Feed(drag, window, type, button, held, global);
    };

    send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {150, 150});
    EXPECT_EQ(window.pos(), QPoint(100, 100)) << "no press seen, no move";

    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {110, 105});
    send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {140, 125});
    EXPECT_EQ(window.pos(), QPoint(130, 120));
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {140, 125});
    send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {300, 300});
    EXPECT_EQ(window.pos(), QPoint(130, 120)) << "moved after the release";

    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {140, 125});
    send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {200, 200});
    send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {250, 250});
    EXPECT_EQ(window.pos(), QPoint(130, 120)) << "a move without the button ends the gesture";
}

TEST(HotSpotTest, ReportsMovesPressesAndOnlyCompleteLeftClicks)
{
    QWidget window;
    window.resize(100, 100);
    HotSpot spot(&window);
    spot.setGeometry(10, 10, 30, 20);
    QSignalSpy hovered(&spot, &HotSpot::hovered);
    QSignalSpy pressed(&spot, &HotSpot::pressed);
    QSignalSpy clicked(&spot, &HotSpot::clicked);

    SendMouse(spot, QEvent::MouseMove, Qt::NoButton, {5, 5});
    SendMouse(spot, QEvent::MouseButtonPress, Qt::RightButton, {5, 5});
    SendMouse(spot, QEvent::MouseButtonRelease, Qt::RightButton, {5, 5});
    EXPECT_EQ(hovered.size(), 1);
    EXPECT_EQ(pressed.size(), 1);
    EXPECT_EQ(clicked.size(), 0) << "a right click is no click";

    SendMouse(spot, QEvent::MouseButtonPress, Qt::LeftButton, {5, 5});
    SendMouse(spot, QEvent::MouseButtonRelease, Qt::LeftButton, {50, 50});
    EXPECT_EQ(clicked.size(), 0) << "released outside";

    SendMouse(spot, QEvent::MouseButtonPress, Qt::LeftButton, {5, 5});
    SendMouse(spot, QEvent::MouseButtonRelease, Qt::LeftButton, {6, 6});
    EXPECT_EQ(clicked.size(), 1);
}

TEST(HotSpotTest, ClearingShowsTheRestPictureAndDisablingClears)
{
    QPixmap lit = SkinCanvas::NewPicture(QSize(4, 4), 1.0);
    QPixmap arrow = SkinCanvas::NewPicture(QSize(3, 3), 1.0);
    HotSpot plain;
    plain.SetPicture(lit);
    EXPECT_TRUE(plain.showsPicture());
    plain.ClearPicture();
    EXPECT_FALSE(plain.showsPicture());

    HotSpot dropDown;
    dropDown.SetRestPicture(arrow);
    dropDown.SetPicture(lit);
    dropDown.setEnabled(false);
    EXPECT_EQ(dropDown.picture().size(), QSize(3, 3));
}

TEST(PictureStoreTest, MissingPictureIsNullNotAFailure)
{
    PictureStore store;
    store.Add("imgExitLight", SkinCanvas::NewPicture(SkinCanvas::TwipsToPixels(210, 195), 2.0));
    EXPECT_EQ(store.Picture("imgExitLight").deviceIndependentSize().toSize(), QSize(14, 13));
    EXPECT_EQ(store.Picture("imgExitLight").size(), QSize(28, 26));
    EXPECT_TRUE(store.Picture("nothing").isNull());
}

TEST(MainSkinTest, DrawnSharpAtTwiceThePixelsWithTheSameOutline)
{
    const QImage normal = MainSkin::Background(1.0);
    const QImage sharp = MainSkin::Background(2.0);
    EXPECT_EQ(normal.size(), QSize(700, 500));
    EXPECT_EQ(sharp.size(), QSize(1400, 1000));
    const QImage outline = ColorKeyMask(normal).toImage();
    const QImage sharpOutline = ColorKeyMask(sharp).toImage();
    ASSERT_EQ(sharpOutline.size(), outline.size());
    int differing = 0;
    for (int y = 0; y < outline.height(); ++y)
        for (int x = 0; x < outline.width(); ++x)
            differing += outline.pixel(x, y) != sharpOutline.pixel(x, y);
    EXPECT_LT(differing, 40) << "only the rounded corners' edge pixels may differ";
    EXPECT_NE(outline.pixel(0, 0), outline.pixel(350, 250));

    PictureStore pictures;
    MainSkin::AddPictures(pictures, 2.0);
    EXPECT_EQ(pictures.Picture("imgConvertData").size(), QSize(370, 176));
    EXPECT_EQ(pictures.Picture("imgConvertData").deviceIndependentSize().toSize(), QSize(185, 88));
}
