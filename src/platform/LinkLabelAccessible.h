#pragma once

#include <QAccessibleWidget>

namespace tavoclip {

class LinkLabel;

// What assistive technology sees of a text link: a link named by its text
// (or its accessible name), described by its tool tip, whose press action
// clicks it. A plain label would be announced as static text that cannot be
// pressed.
class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel& link);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // The factory QAccessible asks for each object; answers for links only.
    // LinkLabel installs it once.
    static QAccessibleInterface* Factory(const QString& className, QObject* object);
};

}  // namespace tavoclip
