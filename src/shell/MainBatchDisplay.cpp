#include "MainBatchDisplay.h"

#include <QLabel>

#include <algorithm>

#include "BatchDriver.h"
#include "HotSpot.h"
#include "LinkLabel.h"
#include "MessageTexts.h"
#include "ProgressCaption.h"
#include "ScaleFormLayout.h"

namespace tavoclip {

namespace ml = main_layout;

MainBatchDisplay::MainBatchDisplay(QWidget& window, double twipsPerPixel, const MainHotSpots& spots,
                                   std::vector<QWidget*> alwaysEnabled, QLabel& imgPB, ProgressCaption& lblPB)
    : window_(window),
      twipsPerPixel_(twipsPerPixel),
      spots_(spots),
      alwaysEnabled_(std::move(alwaysEnabled)),
      imgPB_(imgPB),
      lblPB_(lblPB)
{
}

void MainBatchDisplay::Follow(const BatchDriver& driver)
{
    QObject::connect(&driver, &BatchDriver::fileProgress, &window_,
                     [this](std::size_t, double share, const std::string& caption) {
                         SetBarWidth(static_cast<float>(share * ml::kProgressBar.width));
                         SetCaption(caption);
                     });
    QObject::connect(&driver, &BatchDriver::progressCleared, &window_, [this](const std::string& caption) {
        SetBarWidth(0);
        if (!caption.empty())
            SetCaption(caption);
    });
}

void MainBatchDisplay::Started()
{
    running_ = true;
    SetBatchControlsEnabled(false);
}

void MainBatchDisplay::Ended()
{
    running_ = false;
    for (QWidget* control : alwaysEnabled_)
        control->setEnabled(true);
    SetBatchControlsEnabled(true);
}

void MainBatchDisplay::SetBatchControlsEnabled(bool enabled)
{
    for (HotSpot* button : spots_.imgToolbar)
        if (button != nullptr)
            button->setEnabled(enabled);
    for (HotSpot* word : spots_.imgMenu)
        word->setEnabled(enabled);
    spots_.imgConvert->setEnabled(enabled);
    spots_.lblFeed->setEnabled(enabled);
}

void MainBatchDisplay::SetBarWidth(float twips)
{
    const int pixels = qRound(ml::kProgressBar.width / twipsPerPixel_);
    const int full = qRound(pixels * PlatformScaleFactors(window_).horizontal);
    const double share = std::clamp(static_cast<double>(twips) / ml::kProgressBar.width, 0.0, 1.0);
    const int width = qRound(full * share);
    imgPB_.setVisible(width > 0);
    imgPB_.resize(width, imgPB_.height());
    lblPB_.SetValue(qRound(share * 100));
}

void MainBatchDisplay::SetCaption(const std::string& caption)
{
    lblPB_.setText(MessageTexts::Translate(caption));
    FitCaption();
}

void MainBatchDisplay::FitCaption()
{
    if (!captionPlace_.isValid())
        captionPlace_ = lblPB_.geometry();
    QRect place = captionPlace_;
    const int needed = lblPB_.fontMetrics().horizontalAdvance(lblPB_.text()) + 2 * lblPB_.margin() + 2;
    if (needed > place.width()) {
        const int centre = place.center().x();
        const int half = std::min((needed + 1) / 2, centre - imgPB_.x());
        place = QRect(centre - half, place.y(), 2 * half, place.height());
    }
    if (lblPB_.geometry() != place)
        lblPB_.setGeometry(place);
}

}  // namespace tavoclip
