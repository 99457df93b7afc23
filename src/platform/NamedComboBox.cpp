#include "NamedComboBox.h"

#include <QAccessible>

#include "NamedComboBoxAccessible.h"

namespace tavoclip {

NamedComboBox::NamedComboBox(const QString& accessibleName, QWidget* parent) : QComboBox(parent)
{
    setAccessibleName(accessibleName);
    // Asked before Qt's own factory, since this class is more derived than
    // QComboBox; installed once for the process.
    static const bool accessible = (QAccessible::installFactory(&NamedComboBoxAccessible::Factory), true);
    Q_UNUSED(accessible);
}

}  // namespace tavoclip
