#include "LinkLabelAccessible.h"

#include "LinkLabel.h"

namespace tavoclip {

LinkLabelAccessible::LinkLabelAccessible(LinkLabel& link) : QAccessibleWidget(&link, QAccessible::Link)
{
}

QString LinkLabelAccessible::text(QAccessible::Text t) const
{
    const auto& link = static_cast<const LinkLabel&>(*widget());
    if (t == QAccessible::Name && link.accessibleName().isEmpty())
        return link.text();
    return QAccessibleWidget::text(t);
}

QStringList LinkLabelAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void LinkLabelAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        static_cast<LinkLabel*>(widget())->Click();
    else
        QAccessibleWidget::doAction(actionName);
}

QAccessibleInterface* LinkLabelAccessible::Factory(const QString&, QObject* object)
{
    if (auto* link = qobject_cast<LinkLabel*>(object))
        return new LinkLabelAccessible(*link);
    return nullptr;
}

}  // namespace tavoclip
