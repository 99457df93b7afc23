#include "FocusMark.h"

#include <QFocusEvent>
#include <QPainter>

#include "SkinPalette.h"

namespace tavoclip {

namespace {

// How far the frame stands off the control, so it does not hide its edge.
constexpr int kMargin = 3;

bool FromKeyboard(Qt::FocusReason reason)
{
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

}  // namespace

FocusMark::FocusMark(QWidget& window, const QColor& colour)
    : QWidget(&window), colour_(colour.isValid() ? colour : skin_palette::kAccent)
{
    setObjectName(QStringLiteral("focusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusMark::Track(QWidget& target)
{
    target.installEventFilter(this);
}

void FocusMark::Surround(QWidget& target)
{
    target_ = &target;
    const QRect area(target.mapTo(parentWidget(), QPoint(0, 0)), target.size());
    setGeometry(area.adjusted(-kMargin, -kMargin, kMargin, kMargin));
    raise();
    show();
    update();
}

bool FocusMark::eventFilter(QObject* watched, QEvent* event)
{
    auto* target = qobject_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::FocusIn:
            if (FromKeyboard(static_cast<QFocusEvent*>(event)->reason()))
                Surround(*target);
            else
                hide();
            break;
        case QEvent::FocusOut:
            // A popup of the focused list takes the focus only for a while; the
            // mark stays with the list meanwhile.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason && target == target_)
                hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (target == target_ && isVisible())
                Surround(*target);
            break;
        default:
            break;
    }
    return false;
}

void FocusMark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour_, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
}

}  // namespace tavoclip
