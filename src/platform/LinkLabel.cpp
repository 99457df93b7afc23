#include "LinkLabel.h"

#include <QAccessible>
#include <QMouseEvent>

#include "LinkLabelAccessible.h"

namespace tavoclip {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(parent)
{
    // Screen readers see a link with a press action, installed once and
    // before the text is set: a screen reader told of the text would ask for
    // the label's interface at once and keep Qt's plain one.
    static const bool accessible = (QAccessible::installFactory(&LinkLabelAccessible::Factory), true);
    Q_UNUSED(accessible);
    setText(text);
    setMouseTracking(true);
    // A press that this label ignores (it is disabled) must not reach the
    // window's background, where it would start a window drag.
    setAttribute(Qt::WA_NoMousePropagation);
    setCursor(Qt::PointingHandCursor);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
}

void LinkLabel::SetBold(bool bold)
{
    if (font().bold() == bold)
        return;
    QFont changed = font();
    changed.setBold(bold);
    setFont(changed);
}

void LinkLabel::Click()
{
    if (isEnabled())
        emit clicked();
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit hovered();
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    leftPressed_ = event->button() == Qt::LeftButton;
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool click = leftPressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    leftPressed_ = false;
    if (click)
        emit clicked();
}

void LinkLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        SetBold(false);
    QLabel::changeEvent(event);
}

}  // namespace tavoclip
