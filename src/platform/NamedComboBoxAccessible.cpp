#include "NamedComboBoxAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>

#include "NamedComboBox.h"

namespace tavoclip {

NamedComboBoxAccessible::NamedComboBoxAccessible(QComboBox& list) : QAccessibleWidget(&list, QAccessible::ComboBox)
{
}

QComboBox& NamedComboBoxAccessible::list() const
{
    return static_cast<QComboBox&>(*widget());
}

QString NamedComboBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return list().currentText();
    return QAccessibleWidget::text(t);
}

int NamedComboBoxAccessible::childCount() const
{
    return list().view() != nullptr ? 1 : 0;
}

QAccessibleInterface* NamedComboBoxAccessible::child(int index) const
{
    if (index != 0 || list().view() == nullptr)
        return nullptr;
    return QAccessible::queryAccessibleInterface(list().view());
}

int NamedComboBoxAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child != nullptr && child->object() == list().view() ? 0 : -1;
}

QStringList NamedComboBoxAccessible::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void NamedComboBoxAccessible::doAction(const QString& actionName)
{
    if (actionName == showMenuAction() || actionName == pressAction())
        list().showPopup();
}

QAccessibleInterface* NamedComboBoxAccessible::Factory(const QString&, QObject* object)
{
    if (auto* list = qobject_cast<NamedComboBox*>(object))
        return new NamedComboBoxAccessible(*list);
    return nullptr;
}

}  // namespace tavoclip
