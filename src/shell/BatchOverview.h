#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <cstddef>

#include "BatchShare.h"
#include "TimeLeftEstimate.h"

class QLabel;
class QShortcut;

namespace tavoclip {

class BatchDriver;
class HotSpot;
class SourceQueue;
class SourceListModel;
class frmMain;
struct FileOutcome;

// The whole batch at a glance, beside the window's per-file display: the
// window title ("37% · about 2 min left – Tavoclip", back to exactly
// "Tavoclip" at the end), the progress bar's tool tip with the file counts,
// the Stop button beside the bar and Escape while a batch runs, and the
// "Stopped: ..." caption after a stop. When several files convert at once
// the bar and percentage show the whole batch and the list shows the files
// in hand in bold; with one file at a time they stay the file's own.
class BatchOverview : public QObject {
    Q_OBJECT
public:
    BatchOverview(frmMain& window, const SourceQueue& queue, SourceListModel& model);

    // Takes the driver's events from now on; Stop stops this driver.
    void Follow(BatchDriver& driver);
    // Ends the batch under way early; nothing when none runs.
    void Stop();

    // The title and tool tip texts for a share 0..1 of the whole and the
    // time-left text (empty while unknown).
    static QString TitleText(double share, const QString& timeLeft);
    static QString ToolTipText(std::size_t converted, std::size_t total, const QString& timeLeft);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildStopButton();
    void FileStarted(std::size_t position);
    void FileProgress(std::size_t position, double share);
    void FileEnded(const FileOutcome& outcome);
    void BatchEnded(bool stopped, std::size_t notConverted);
    void Refresh();
    bool SeveralAtOnce() const;

    frmMain& window_;
    const SourceQueue& queue_;
    SourceListModel& model_;
    QLabel* bar_;
    QLabel* caption_;
    HotSpot* stop_ = nullptr;
    QShortcut* escape_ = nullptr;
    BatchDriver* driver_ = nullptr;
    BatchShare share_;
    TimeLeftEstimate estimate_;
    QElapsedTimer clock_;
    std::size_t inHand_ = 0;
    bool stopAsked_ = false;
    QString toolTip_;
};

}  // namespace tavoclip
