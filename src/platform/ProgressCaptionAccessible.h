#pragma once

#include <QAccessibleWidget>

namespace tavoclip {

class ProgressCaption;

// A progress caption as assistive technology sees it: a progress bar with a
// read-only value from 0 to 100, named by the caption's text.
class ProgressCaptionAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ProgressCaptionAccessible(ProgressCaption& caption);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

    // The factory QAccessible asks for each object; answers for progress
    // captions only. ProgressCaption installs it once.
    static QAccessibleInterface* Factory(const QString& className, QObject* object);
};

}  // namespace tavoclip
