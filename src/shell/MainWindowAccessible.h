#pragma once

#include <QAccessibleWidget>

#include <QList>

namespace tavoclip {

class frmMain;

// What assistive technology sees of the main window: its controls that are
// not hidden. The window keeps hidden controls that are not for the user
// (the add, remove and start buttons outside the visible area, the command
// text box); a screen reader would otherwise offer them as buttons and a
// text field that nobody can see.
class MainWindowAccessible : public QAccessibleWidget {
public:
    explicit MainWindowAccessible(frmMain& window);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    // The factory QAccessible asks for each object; answers for the main
    // window only. frmMain installs it once.
    static QAccessibleInterface* Factory(const QString& className, QObject* object);

private:
    QList<QWidget*> ShownChildren() const;
};

}  // namespace tavoclip
