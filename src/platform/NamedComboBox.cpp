#include "NamedComboBox.h"

#include <QAccessible>

#include "NamedComboBoxAccessible.h"

namespace tavoclip {

NamedComboBox::NamedComboBox(const QString& accessibleName, QWidget* parent) : QComboBox(parent)
{
    // Asked before Qt's own factory, since this class is more derived than
    // QComboBox; installed once for the process, before the name is set: an
    // active screen reader hears of the new name and asks for the interface
    // at once, which is then kept for the list's lifetime.
    static const bool accessible = (QAccessible::installFactory(&NamedComboBoxAccessible::Factory), true);
    Q_UNUSED(accessible);
    setAccessibleName(accessibleName);
}

}  // namespace tavoclip
