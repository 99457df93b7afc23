#include "ScaleFormLayout.h"

#include <QWidget>

namespace tavoclip {

namespace {

QRectF ScaleRect(const QRectF& rect, ScaleFactors factors)
{
    return {rect.left() * factors.horizontal, rect.top() * factors.vertical, rect.width() * factors.horizontal,
            rect.height() * factors.vertical};
}

// Controls that draw no text of their own carry no font to scale.
bool HasOwnFont(const QWidget& control)
{
    return control.inherits("QLabel") || control.inherits("QComboBox") || control.inherits("QLineEdit") ||
           control.inherits("QAbstractItemView") || control.inherits("QAbstractButton");
}

}  // namespace

FormLayout ScaleFormLayout(FormLayout layout, ScaleFactors factors, const QString& doubleScaledFont)
{
    layout.size = QSizeF(layout.size.width() * factors.horizontal, layout.size.height() * factors.vertical);
    for (ControlLayout& control : layout.controls) {
        if (!doubleScaledFont.isEmpty() && control.name == doubleScaledFont && control.fontSize)
            *control.fontSize *= factors.vertical;
    }
    for (ControlLayout& control : layout.controls) {
        control.rect = ScaleRect(control.rect, factors);
        if (control.fontSize)
            *control.fontSize *= factors.horizontal;
    }
    return layout;
}

FormLayout ReadFormLayout(const QWidget& window)
{
    FormLayout layout{QSizeF(window.size()), {}};
    for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        ControlLayout control{child->objectName(), QRectF(child->geometry()), std::nullopt};
        if (HasOwnFont(*child))
            control.fontSize = child->font().pointSizeF();
        layout.controls.push_back(control);
    }
    return layout;
}

void ApplyFormLayout(QWidget& window, const FormLayout& layout)
{
    window.resize(layout.size.toSize());
    const QList<QWidget*> children = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::size_t next = 0;
    for (QWidget* child : children) {
        if (child->isWindow())
            continue;
        if (next >= layout.controls.size())
            break;
        const ControlLayout& control = layout.controls[next++];
        // Each property is rounded on its own, as each is set on its own.
        const QRectF& r = control.rect;
        child->setGeometry(qRound(r.left()), qRound(r.top()), qRound(r.width()), qRound(r.height()));
        if (control.fontSize && *control.fontSize > 0) {
            QFont font = child->font();
            font.setPointSizeF(*control.fontSize);
            child->setFont(font);
        }
    }
}

double PlatformTwipsPerPixel(const QWidget& window)
{
    const double dotsPerInch = window.logicalDpiX() > 0 ? window.logicalDpiX() : 96.0;
    return 1440.0 / dotsPerInch;
}

ScaleFactors PlatformScaleFactors(const QWidget& window)
{
    const double horizontal = PlatformTwipsPerPixel(window) / 15.0;
    const double dotsPerInchY = window.logicalDpiY() > 0 ? window.logicalDpiY() : 96.0;
    return {horizontal, 1440.0 / dotsPerInchY / 15.0};
}

void ScaleWindowToScreen(QWidget& window, const QString& doubleScaledFont)
{
    const ScaleFactors factors = PlatformScaleFactors(window);
    if (factors.horizontal == 1.0 && factors.vertical == 1.0)
        return;
    ApplyFormLayout(window, ScaleFormLayout(ReadFormLayout(window), factors, doubleScaledFont));
}

}  // namespace tavoclip
