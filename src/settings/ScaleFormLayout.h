#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>
#include <vector>

class QWidget;

namespace tavoclip {

// One control of a window as the scaling sees it. A control without a font
// of its own (a hot spot, a picture) has no fontSize and keeps none.
struct ControlLayout {
    QString name;
    QRectF rect;
    std::optional<double> fontSize;
};

struct FormLayout {
    QSizeF size;
    std::vector<ControlLayout> controls;
};

struct ScaleFactors {
    double horizontal = 1.0;
    double vertical = 1.0;
};

// Scales a window designed at 15 twips to the pixel: the window's size,
// every control's rectangle and every font size by the factors, in control
// order. The control named doubleScaledFont (the main window's output folder
// box) first has its font scaled by the vertical factor, so its font is
// scaled twice in all. Pure: no widget is touched.
FormLayout ScaleFormLayout(FormLayout layout, ScaleFactors factors, const QString& doubleScaledFont = {});

// The window's size and its direct children (their rectangles relative to the
// window and their point sizes), in creation order.
FormLayout ReadFormLayout(const QWidget& window);
// Puts a layout back: positions and sizes rounded to whole pixels, fonts set
// to the nearest size the font offers.
void ApplyFormLayout(QWidget& window, const FormLayout& layout);

// The screen's twips per pixel over 15: 1 at 96 dots per inch, 0.8 at 120.
ScaleFactors PlatformScaleFactors(const QWidget& window);
// The screen's twips per pixel, with which the design's twips become pixels.
double PlatformTwipsPerPixel(const QWidget& window);

// ReadFormLayout, ScaleFormLayout and ApplyFormLayout with the platform's
// factors; nothing is touched when the factors are 1.
void ScaleWindowToScreen(QWidget& window, const QString& doubleScaledFont = {});

}  // namespace tavoclip
