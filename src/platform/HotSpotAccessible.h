#pragma once

#include <QAccessibleWidget>

namespace tavoclip {

class HotSpot;

// What assistive technology sees of a hot spot: a push button with the hot
// spot's accessible name and description, whose press action clicks it. A
// plain widget would be announced as an unnamed client area.
class HotSpotAccessible : public QAccessibleWidget {
public:
    explicit HotSpotAccessible(HotSpot& spot);

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // The factory QAccessible asks for each object; answers for hot spots
    // only. HotSpot installs it once.
    static QAccessibleInterface* Factory(const QString& className, QObject* object);
};

}  // namespace tavoclip
