#pragma once

#include <QAccessibleWidget>

class QComboBox;

namespace tavoclip {

// What assistive technology sees of a NamedComboBox: a combo box named by that name, whose value is the
// current entry. Qt's own interface on Linux names a list by its current
// entry, so two lists that both show "128k" sound alike and neither says
// what it chooses. Its one child is the list of entries; its press action
// opens that list.
class NamedComboBoxAccessible : public QAccessibleWidget {
public:
    explicit NamedComboBoxAccessible(QComboBox& list);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // The factory QAccessible asks for each object; answers for
    // NamedComboBox only. NamedComboBox installs it once.
    static QAccessibleInterface* Factory(const QString& className, QObject* object);

private:
    QComboBox& list() const;
};

}  // namespace tavoclip
