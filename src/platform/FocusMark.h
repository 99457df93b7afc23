#pragma once

#include <QPointer>
#include <QWidget>

namespace tavoclip {

// A frame in the skin's accent colour drawn around the control that the
// keyboard (Tab, Shift+Tab) moved the focus to. The controls of a skinned
// window draw no focus of their own over the skin, so without it a keyboard
// user cannot tell where the focus is. A click that focuses a control shows
// no mark: the pointer already shows where the user is, and the window looks
// exactly as before to someone who only uses the mouse.
class FocusMark : public QWidget {
    Q_OBJECT
public:
    // A child of window, laid over its controls; it never takes the pointer.
    // colour must stand out from the skin around the controls: the accent
    // on the main window's light body, a light colour on a dark panel.
    explicit FocusMark(QWidget& window, const QColor& colour = QColor());

    // Marks target whenever it gets the focus from the keyboard.
    void Track(QWidget& target);
    // The control marked now, or nullptr.
    QWidget* marked() const { return isVisible() ? target_.data() : nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Surround(QWidget& target);

    QPointer<QWidget> target_;
    QColor colour_;
};

}  // namespace tavoclip
