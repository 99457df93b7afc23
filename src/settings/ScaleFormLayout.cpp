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

// The window's controls in creation order. A plain container (a bare QWidget
// such as the list's empty prompt) is followed by its own controls, whose
// rectangles are relative to it; the inner parts of composite controls (a
// combo box's button, a list's scroll bars) are theirs to lay out.
std::vector<QWidget*> LayoutControls(const QWidget& parent)
{
    std::vector<QWidget*> controls;
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        controls.push_back(child);
        if (child->metaObject() == &QWidget::staticMetaObject) {
            const std::vector<QWidget*> inner = LayoutControls(*child);
            controls.insert(controls.end(), inner.begin(), inner.end());
        }
    }
    return controls;
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
    for (const QWidget* child : LayoutControls(window)) {
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
    const std::vector<QWidget*> children = LayoutControls(window);
    for (std::size_t i = 0; i < children.size() && i < layout.controls.size(); ++i) {
        QWidget* child = children[i];
        const ControlLayout& control = layout.controls[i];
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
