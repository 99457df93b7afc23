#include "MainWindowAccessible.h"

#include "frmMain.h"

namespace tavoclip {

MainWindowAccessible::MainWindowAccessible(frmMain& window) : QAccessibleWidget(&window, QAccessible::Window)
{
}

QList<QWidget*> MainWindowAccessible::ShownChildren() const
{
    QList<QWidget*> shown;
    for (QWidget* child : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && !child->isHidden())
            shown.append(child);
    return shown;
}

int MainWindowAccessible::childCount() const
{
    return static_cast<int>(ShownChildren().size());
}

QAccessibleInterface* MainWindowAccessible::child(int index) const
{
    const QList<QWidget*> shown = ShownChildren();
    if (index < 0 || index >= shown.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(shown[index]);
}

int MainWindowAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (child == nullptr)
        return -1;
    return static_cast<int>(ShownChildren().indexOf(qobject_cast<QWidget*>(child->object())));
}

QAccessibleInterface* MainWindowAccessible::Factory(const QString&, QObject* object)
{
    if (auto* window = qobject_cast<frmMain*>(object))
        return new MainWindowAccessible(*window);
    return nullptr;
}

}  // namespace tavoclip
