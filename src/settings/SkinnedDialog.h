#pragma once

#include <QDialog>
#include <QImage>

#include "BackgroundDrag.h"
#include "PictureStore.h"

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;
class QShowEvent;

namespace tavoclip {

class FocusMark;
class HotSpot;

// The frame shared by the small skinned dialogs: a fixed client area painted
// with one skin picture, shaped by the skin's key colour, opened centred on
// the screen, dragged by its bare background, with hot spots that light up
// from pictures held in memory. Moving the pointer over the bare background
// hands the gesture to the window system as a drag and then clears every
// hover picture, since no hot spot reports the pointer leaving it.
//
// The keyboard reaches every control and button by Tab, framed by a focus
// mark that stands out from the dark panel. Return or Space presses the
// focused button; Return in a field, list or check box (where it means
// nothing else) presses the default button; Escape presses Back.
class SkinnedDialog : public QDialog {
    Q_OBJECT

public:
    // Design rectangles in twips, 15 to a logical pixel.
    static QRect FromTwips(int left, int top, int width, int height);

protected:
    SkinnedDialog(const QString& caption, int clientWidthTwips, int clientHeightTwips, QWidget* parent);

    // Paints the window with skin from now on and shapes it by its key colour.
    void SetSkin(const QImage& skin);
    PictureStore& pictures() { return pictures_; }
    // A transparent hot spot with the pointing hand that shows the stored
    // picture lightName whenever the pointer moves over it. caption is the
    // word drawn on the skin, the button's accessible name.
    HotSpot* AddHotSpot(const QString& name, const QRect& twips, const QString& toolTip, const QString& lightName,
                        const QString& caption);

    // The buttons Return and Escape press when the focus is not on a button.
    void SetKeyButtons(HotSpot* defaultButton, HotSpot* backButton);

    // Restores the plain look of every hot spot; runs after each background
    // move.
    virtual void ResetHoverPictures() = 0;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void MarkKeyboardFocus();

    bool OnBareBackground(const QMouseEvent& event) const;

    QImage skin_;
    PictureStore pictures_;
    bool centred_ = false;
    BackgroundDrag drag_;
    HotSpot* defaultButton_ = nullptr;
    HotSpot* backButton_ = nullptr;
    FocusMark* focusMark_ = nullptr;
};

}  // namespace tavoclip
