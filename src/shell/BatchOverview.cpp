#include "BatchOverview.h"

#include <QHelpEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QShortcut>
#include <QToolTip>

#include <cmath>

#include "BatchDriver.h"
#include "HotSpot.h"
#include "MainLayout.h"
#include "MessageTexts.h"
#include "SkinPalette.h"
#include "SourceListModel.h"
#include "SourceQueue.h"
#include "frmMain.h"

namespace tavoclip {

namespace ml = main_layout;
namespace palette = skin_palette;

namespace {

// The Stop button's picture: the bar's green, rounded like it, with a white
// square, so it reads as part of the bar.
QPixmap StopPicture(int side)
{
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient green(0, 0, 0, side);
    green.setColorAt(0, palette::kGreenTop);
    green.setColorAt(1, palette::kGreenBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(green);
    painter.drawRoundedRect(QRectF(0, 0, side, side), 3, 3);
    const double inset = side * 0.3;
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(inset, inset, side - 2 * inset, side - 2 * inset));
    return picture;
}

}  // namespace

BatchOverview::BatchOverview(frmMain& window, const SourceQueue& queue, SourceListModel& model)
    : QObject(&window),
      window_(window),
      queue_(queue),
      model_(model),
      bar_(window.findChild<QLabel*>(QStringLiteral("imgPB"))),
      caption_(window.findChild<QLabel*>(QStringLiteral("lblPB")))
{
    BuildStopButton();
    // Escape is the window's only while a batch runs.
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    escape_->setObjectName(QStringLiteral("StopShortcut"));
    escape_->setEnabled(false);
    connect(escape_, &QShortcut::activated, this, [this] { Stop(); });
    // The bar and its caption let the pointer through to the skin; the tool
    // tip is answered for their area on the window itself.
    window.installEventFilter(this);
}

// Right of the bar's trough, as tall as the percentage caption and a little
// more; the trough's right end mirrors its left end about the caption.
void BatchOverview::BuildStopButton()
{
    stop_ = new HotSpot(&window_);
    stop_->setObjectName(QStringLiteral("imgStop"));
    stop_->setToolTip(tr("Stop"));
    stop_->setAccessibleName(tr("Stop"));
    stop_->setCursor(Qt::PointingHandCursor);
    stop_->hide();
    connect(stop_, &HotSpot::clicked, this, [this] { Stop(); });
}

void BatchOverview::Follow(BatchDriver& driver)
{
    driver_ = &driver;
    connect(&driver, &BatchDriver::fileStarted, this,
            [this](std::size_t position) { FileStarted(position); });
    connect(&driver, &BatchDriver::fileProgress, this,
            [this](std::size_t position, double share) { FileProgress(position, share); });
    connect(&driver, &BatchDriver::fileEnded, this, [this](const FileOutcome& outcome) { FileEnded(outcome); });
    connect(&driver, &BatchDriver::batchEnded, this,
            [this](bool stopped, std::size_t notConverted) { BatchEnded(stopped, notConverted); });
}

void BatchOverview::Stop()
{
    if (driver_ == nullptr || !driver_->running())
        return;
    stopAsked_ = true;
    driver_->Stop();
}

void BatchOverview::FileStarted(std::size_t position)
{
    if (position == 1) {
        share_.Reset();
        clock_.start();
        stopAsked_ = false;
        inHand_ = 0;
        const int side = caption_->height() + 6;
        const int troughRight = 2 * caption_->geometry().center().x() - bar_->x();
        stop_->setGeometry(troughRight + 6, caption_->y() - 3, side, side);
        stop_->SetRestPicture(StopPicture(side));
        stop_->ClearPicture();
        stop_->show();
        stop_->raise();
        escape_->setEnabled(true);
    }
    share_.FileStarted(position);
    ++inHand_;
    Refresh();
}

void BatchOverview::FileProgress(std::size_t position, double share)
{
    share_.FileProgress(position, share);
    Refresh();
}

void BatchOverview::FileEnded(const FileOutcome& outcome)
{
    share_.FileEnded(outcome.position);
    if (inHand_ > 0)
        --inHand_;
    Refresh();
}

void BatchOverview::BatchEnded(bool stopped, std::size_t notConverted)
{
    stop_->hide();
    escape_->setEnabled(false);
    inHand_ = 0;
    model_.SetConvertingHead(0);
    toolTip_.clear();
    window_.setWindowTitle(frmMain::kTitle);
    if (stopped && stopAsked_)
        window_.SetProgressCaption(
            tr("Stopped: %1 converted, %2 left.").arg(driver_->convertedCount()).arg(notConverted).toStdString());
    stopAsked_ = false;
}

bool BatchOverview::SeveralAtOnce() const
{
    return driver_ != nullptr && driver_->runnersInUse() > 1;
}

void BatchOverview::Refresh()
{
    if (driver_ == nullptr || !driver_->running())
        return;
    const double share = share_.Share(queue_.count());
    estimate_.Update(static_cast<double>(clock_.elapsed()) / 1000.0, share);
    const QString left = MessageTexts::TimeLeft(estimate_.MinutesLeft());
    const QString title = TitleText(share, left);
    if (window_.windowTitle() != title)
        window_.setWindowTitle(title);
    toolTip_ = ToolTipText(driver_->convertedCount(), share_.endedCount() + queue_.count(), left);
    if (!SeveralAtOnce())
        return;
    model_.SetConvertingHead(inHand_);
    window_.SetProgressBarWidth(static_cast<float>(share * ml::kProgressBar.width));
    window_.SetProgressCaption(std::to_string(static_cast<int>(std::floor(share * 100))) + "%");
}

QString BatchOverview::TitleText(double share, const QString& timeLeft)
{
    QString title = QString::number(static_cast<int>(std::floor(share * 100))) + QStringLiteral("%");
    if (!timeLeft.isEmpty())
        title += QStringLiteral(" · ") + timeLeft;
    return title + QStringLiteral(" – ") + frmMain::kTitle;
}

QString BatchOverview::ToolTipText(std::size_t converted, std::size_t total, const QString& timeLeft)
{
    const int files = static_cast<int>(total);
    if (timeLeft.isEmpty())
        return tr("%1 of %n files converted", nullptr, files).arg(converted);
    return tr("%1 of %n files converted, %2", nullptr, files).arg(converted).arg(timeLeft);
}

// The bar's trough: from the bar's left end to its mirror about the caption.
bool BatchOverview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &window_ || event->type() != QEvent::ToolTip || toolTip_.isEmpty())
        return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    const int troughRight = 2 * caption_->geometry().center().x() - bar_->x();
    const QRect trough(QPoint(bar_->x(), caption_->y()), QPoint(troughRight, caption_->geometry().bottom()));
    if (!trough.contains(help->pos()))
        return false;
    QToolTip::showText(help->globalPos(), toolTip_, &window_);
    return true;
}

}  // namespace tavoclip
