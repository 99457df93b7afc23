#pragma once

#include <QAbstractTableModel>
#include <QTimer>

#include "SourceQueue.h"

namespace tavoclip {

// The list view's window onto the source queue: one row per entry in queue
// order, the "FileName" column holding the full path and "Format" its label.
// The queue stays the only store; this model only reports its changes.
//
// Appends and removals of the head are announced to the view in batches: a
// view relays out its rows after each announced change, and doing that after
// every one of a hundred thousand appends or removals (Remove All lets the
// window's events run after each row) would take minutes. Pending changes
// are announced when an action ends (UpdateEmptyPrompt), before any other
// change, and at most kFlushMilliseconds after they were made, so the window
// keeps repainting during long actions. Once announced, the view shows
// exactly the queue, in order.
class SourceListModel : public QAbstractTableModel, private SourceQueueListener {
    Q_OBJECT
public:
    enum Column { FileNameColumn = 0,
                  FormatColumn = 1,
                  ColumnCount = 2 };
    static constexpr int kFlushMilliseconds = 100;

    explicit SourceListModel(SourceQueue& queue, QObject* parent = nullptr);
    ~SourceListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The queue's first count entries are converting: their rows show in
    // bold until the count changes (0 marks none). Only the rows whose mark
    // changes are repainted, however long the list.
    void SetConvertingHead(std::size_t count);
    std::size_t convertingHead() const { return convertingHead_; }

    // Announces every change of the queue not yet announced.
    void Flush();
    bool HasPendingChanges() const;

signals:
    // The empty-list prompt should show exactly when promptVisible is true.
    void emptyPromptUpdated(bool promptVisible);

private:
    void SourceAppended(std::size_t index) override;
    void SourceRemoved(std::size_t index) override;
    void EmptyPromptUpdated(bool promptVisible) override;

    void AnnounceHeadRemovals();
    void ScheduleFlush();
    // Entries the view knows about that are still queued: queue entries
    // 0 .. liveRows() - 1 are view rows removedHead_ .. shown_ - 1.
    std::size_t liveRows() const { return shown_ - removedHead_; }

    static constexpr std::size_t kNoRow = static_cast<std::size_t>(-1);

    SourceQueue& queue_;
    std::size_t removingRow_ = kNoRow;  // the row whose removal is being announced
    std::size_t shown_ = 0;             // rows the view has been told about
    std::size_t removedHead_ = 0;       // leading view rows already gone from the queue
    std::size_t convertingHead_ = 0;    // leading queue entries shown as converting
    QTimer flushTimer_;
};

}  // namespace tavoclip
