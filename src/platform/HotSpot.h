#pragma once

#include <QBrush>
#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace tavoclip {

// A transparent area over a skin button. It shows no picture of its own until
// told to (the skin shows through), or a picture drawn at its natural size
// from the top-left corner. A rest picture, when set, is what "cleared" shows:
// the drop-down buttons rest on their arrow picture instead of on nothing.
//
// It keeps no hover state: whoever handles hovered() sets the picture, and the
// window's background clears it again. A disabled hot spot ignores the pointer
// and shows nothing. When given the focus (by Tab), Space or Return clicks it;
// assistive technology sees a push button named by its accessible name.
class HotSpot : public QWidget {
    Q_OBJECT
public:
    explicit HotSpot(QWidget* parent = nullptr);

    void SetPicture(const QPixmap& picture);
    void ClearPicture();
    void SetRestPicture(const QPixmap& picture);
    // Drawn over the skin while the hot spot is disabled, so a button that
    // ignores the pointer also looks it. None by default. A gradient is given
    // in the parent's coordinates, so it can follow the skin beneath.
    void SetDisabledVeil(const QBrush& veil);
    // What a click does, from the keyboard or assistive technology: emits
    // clicked() unless the hot spot is disabled.
    void Click();
    // The picture drawn now; null when the skin shows through.
    const QPixmap& picture() const { return picture_; }
    bool showsPicture() const { return !picture_.isNull(); }

signals:
    // Every pointer move over the hot spot, button held or not.
    void hovered();
    // Any mouse button went down on it.
    void pressed();
    // The left button was pressed and released over it.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QPixmap picture_;
    QPixmap restPicture_;
    QBrush disabledVeil_;
    bool leftPressed_ = false;
};

}  // namespace tavoclip
