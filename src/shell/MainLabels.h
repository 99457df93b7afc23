#pragma once

#include <QFont>

#include <functional>

#include "MainLayout.h"

class QLabel;
class QWidget;

namespace tavoclip {

class LinkLabel;
class ProgressCaption;

// The main window's labels over the skin: the progress bar and its
// percentage, the version, the product-name link and the "Feedback" link.
struct MainLabels {
    QLabel* imgPB = nullptr;
    ProgressCaption* lblPB = nullptr;  // also the bar's value for screen readers
    QLabel* lblVersion = nullptr;
    LinkLabel* lblWeb = nullptr;
    LinkLabel* lblFeed = nullptr;
};

// Places a control at a design rectangle, scaled as the window is.
using PlaceControl = std::function<void(QWidget&, const main_layout::TwipsRect&)>;

// Creates the labels as children of window, each named by its design name.
MainLabels BuildMainLabels(QWidget& window, const PlaceControl& place);

// The skin's text face: Tahoma where it is installed, else the condensed
// DejaVu face closest to its width.
QFont TahomaFont(double points, bool bold = false);

}  // namespace tavoclip
