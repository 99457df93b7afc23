#include "ProgressCaption.h"

#include <QAccessible>

#include <algorithm>

#include "ProgressCaptionAccessible.h"

namespace tavoclip {

ProgressCaption::ProgressCaption(const QString& text, QWidget* parent) : QLabel(parent)
{
    // Installed once and before the text is set, for the reason LinkLabel
    // gives.
    static const bool accessible = (QAccessible::installFactory(&ProgressCaptionAccessible::Factory), true);
    Q_UNUSED(accessible);
    setText(text);
}

void ProgressCaption::SetValue(int percent)
{
    percent = std::clamp(percent, 0, 100);
    if (percent == value_)
        return;
    value_ = percent;
    QAccessibleValueChangeEvent change(this, value_);
    QAccessible::updateAccessibility(&change);
}

}  // namespace tavoclip
