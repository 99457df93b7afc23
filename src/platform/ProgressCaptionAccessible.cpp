#include "ProgressCaptionAccessible.h"

#include <QCoreApplication>

#include "ProgressCaption.h"

namespace tavoclip {

ProgressCaptionAccessible::ProgressCaptionAccessible(ProgressCaption& caption)
    : QAccessibleWidget(&caption, QAccessible::ProgressBar)
{
}

void* ProgressCaptionAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString ProgressCaptionAccessible::text(QAccessible::Text t) const
{
    const auto& caption = static_cast<const ProgressCaption&>(*widget());
    if (t == QAccessible::Name && caption.accessibleName().isEmpty())
        return QCoreApplication::translate("ProgressCaptionAccessible", "Progress");
    if (t == QAccessible::Value)
        return caption.text();
    return QAccessibleWidget::text(t);
}

QVariant ProgressCaptionAccessible::currentValue() const
{
    return static_cast<const ProgressCaption&>(*widget()).value();
}

QAccessibleInterface* ProgressCaptionAccessible::Factory(const QString&, QObject* object)
{
    if (auto* caption = qobject_cast<ProgressCaption*>(object))
        return new ProgressCaptionAccessible(*caption);
    return nullptr;
}

}  // namespace tavoclip
