#pragma once

#include <QLabel>

namespace tavoclip {

// A text link on a skin ("Feedback", the product name): underlined, with the
// pointing hand. Like a hot spot it reports every pointer move and clicks and
// keeps no hover state; the window makes it bold on hover and regular again
// from its background. Disabled, it ignores the pointer.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    void SetBold(bool bold);
    // What a click does, from the keyboard or assistive technology: emits
    // clicked() unless the link is disabled.
    void Click();
    bool isBold() const { return font().bold(); }

signals:
    void hovered();
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool leftPressed_ = false;
};

}  // namespace tavoclip
