#include "HotSpot.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "HotSpotAccessible.h"

namespace tavoclip {

HotSpot::HotSpot(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
    // A press that this hot spot ignores (it is disabled) must not reach the
    // window's background, where it would start a window drag.
    setAttribute(Qt::WA_NoMousePropagation);
    // Screen readers ask QAccessible for an interface per object; hot spots
    // answer as buttons. Installed once for the process.
    static const bool accessible = (QAccessible::installFactory(&HotSpotAccessible::Factory), true);
    Q_UNUSED(accessible);
}

void HotSpot::Click()
{
    if (isEnabled())
        emit clicked();
}

void HotSpot::SetPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void HotSpot::ClearPicture()
{
    SetPicture(restPicture_);
}

void HotSpot::SetRestPicture(const QPixmap& picture)
{
    restPicture_ = picture;
    SetPicture(picture);
}

void HotSpot::SetDisabledVeil(const QBrush& veil)
{
    disabledVeil_ = veil;
    update();
}

void HotSpot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!picture_.isNull())
        painter.drawPixmap(QPoint(0, 0), picture_);
    if (!isEnabled() && disabledVeil_.style() != Qt::NoBrush) {
        painter.setBrushOrigin(-pos());
        painter.fillRect(rect(), disabledVeil_);
    }
}

void HotSpot::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit hovered();
}

void HotSpot::mousePressEvent(QMouseEvent* event)
{
    // Accepting keeps the press (and the moves that follow it) from reaching
    // the window's background, so a press here never drags the window.
    event->accept();
    leftPressed_ = event->button() == Qt::LeftButton;
    emit pressed();
}

void HotSpot::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool click = leftPressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    leftPressed_ = false;
    if (click)
        emit clicked();
}

void HotSpot::keyPressEvent(QKeyEvent* event)
{
    const bool activates = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                           event->key() == Qt::Key_Enter;
    if (activates && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HotSpot::changeEvent(QEvent* event)
{
    // A control disabled while lit (the batch starts) must not keep its look.
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        ClearPicture();
    QWidget::changeEvent(event);
}

}  // namespace tavoclip
