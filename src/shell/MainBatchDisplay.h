#pragma once

#include <QRect>

#include <string>
#include <vector>

#include "MainHotSpots.h"

class QLabel;

namespace tavoclip {
class ProgressCaption;
}
class QWidget;

namespace tavoclip {

class BatchDriver;

// The main window's side of a batch: which controls a batch greys (the
// toolbar, the menu words, Convert and the Feedback link; the lists, the
// folder chooser, the list view and the window's own buttons stay usable),
// whether a batch runs, and the progress bar and percentage.
class MainBatchDisplay {
public:
    // spots is the window's, filled in by the time a batch starts;
    // alwaysEnabled are enabled again at the end of every batch.
    MainBatchDisplay(QWidget& window, double twipsPerPixel, const MainHotSpots& spots,
                     std::vector<QWidget*> alwaysEnabled, QLabel& imgPB, ProgressCaption& lblPB);

    void Follow(const BatchDriver& driver);
    void Started();
    void Ended();
    bool running() const { return running_; }

    // imgPB's width in twips: the full 5415 is the trough's width as laid
    // out, so the bar never runs past the trough whatever the scaling did.
    void SetBarWidth(float twips);
    // The caption's place holds a percentage; a longer text (the stopped
    // batch's counts, in any language) spreads over the trough about the
    // same centre rather than being clipped, and the place comes back for
    // a text that fits it.
    void SetCaption(const std::string& caption);

private:
    void SetBatchControlsEnabled(bool enabled);
    void FitCaption();

    QWidget& window_;
    double twipsPerPixel_;
    const MainHotSpots& spots_;
    std::vector<QWidget*> alwaysEnabled_;
    QLabel& imgPB_;
    ProgressCaption& lblPB_;
    bool running_ = false;
    QRect captionPlace_;  // lblPB's laid-out place, taken at the first caption
};

}  // namespace tavoclip
