#include "HotSpotAccessible.h"

#include "HotSpot.h"

namespace tavoclip {

HotSpotAccessible::HotSpotAccessible(HotSpot& spot) : QAccessibleWidget(&spot, QAccessible::Button)
{
}

QStringList HotSpotAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void HotSpotAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        static_cast<HotSpot*>(widget())->Click();
    else
        QAccessibleWidget::doAction(actionName);
}

QAccessibleInterface* HotSpotAccessible::Factory(const QString&, QObject* object)
{
    if (auto* spot = qobject_cast<HotSpot*>(object))
        return new HotSpotAccessible(*spot);
    return nullptr;
}

}  // namespace tavoclip
