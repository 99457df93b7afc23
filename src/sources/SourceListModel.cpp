#include "SourceListModel.h"

#include <QFont>

#include <algorithm>

namespace tavoclip {

SourceListModel::SourceListModel(SourceQueue& queue, QObject* parent)
    : QAbstractTableModel(parent), queue_(queue), shown_(queue.count())
{
    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(kFlushMilliseconds);
    connect(&flushTimer_, &QTimer::timeout, this, [this] { Flush(); });
    queue_.AddListener(this);
}

SourceListModel::~SourceListModel()
{
    queue_.RemoveListener(this);
}

int SourceListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shown_);
}

int SourceListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SourceListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::FontRole))
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    // Rows whose entries left the queue since the last announcement (or are
    // being announced as removed right now) show blank until the view is told.
    if (row < removedHead_ || row == removingRow_)
        return {};
    const std::size_t entryIndex = row - removedHead_ - (row > removingRow_ ? 1 : 0);
    if (entryIndex >= queue_.count())
        return {};
    if (role == Qt::FontRole) {
        if (entryIndex >= convertingHead_)
            return {};
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    const SourceEntry& entry = queue_.at(entryIndex);
    if (index.column() == FormatColumn)
        return role == Qt::DisplayRole ? QString::fromStdString(entry.formatLabel) : QVariant();
    return QString::fromStdString(entry.path);
}

QVariant SourceListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == FileNameColumn ? tr("FileName") : tr("Format");
}

void SourceListModel::SetConvertingHead(std::size_t count)
{
    if (count == convertingHead_)
        return;
    const std::size_t changed = std::max(count, convertingHead_);
    convertingHead_ = count;
    // Entries 0 .. changed - 1 sit at view rows removedHead_ onwards.
    const std::size_t last = std::min(shown_, removedHead_ + changed);
    if (last > removedHead_)
        emit dataChanged(index(static_cast<int>(removedHead_), 0), index(static_cast<int>(last) - 1, ColumnCount - 1),
                         {Qt::FontRole});
}

bool SourceListModel::HasPendingChanges() const
{
    return removedHead_ > 0 || queue_.count() != liveRows();
}

void SourceListModel::AnnounceHeadRemovals()
{
    if (removedHead_ == 0)
        return;
    beginRemoveRows({}, 0, static_cast<int>(removedHead_) - 1);
    shown_ -= removedHead_;
    removedHead_ = 0;
    endRemoveRows();
}

void SourceListModel::Flush()
{
    flushTimer_.stop();
    AnnounceHeadRemovals();
    const std::size_t count = queue_.count();
    if (count > shown_) {
        beginInsertRows({}, static_cast<int>(shown_), static_cast<int>(count) - 1);
        shown_ = count;
        endInsertRows();
    }
}

void SourceListModel::ScheduleFlush()
{
    if (!flushTimer_.isActive())
        flushTimer_.start();
}

// Appends touch only the end of the queue, so the view's rows stay valid
// until they are announced.
void SourceListModel::SourceAppended(std::size_t)
{
    ScheduleFlush();
}

// The queue has already changed when it reports. The head's removal waits
// for the next announcement; any other removal is announced at once, after
// the pending head removals, so the view's row numbers stay right.
void SourceListModel::SourceRemoved(std::size_t index)
{
    if (index >= liveRows())
        return;  // an entry appended since the last announcement: never shown
    if (index == 0) {
        ++removedHead_;
        ScheduleFlush();
        return;
    }
    AnnounceHeadRemovals();
    // The queue has already dropped the entry, but until the announcement
    // ends the view still counts its row: the rows after it find their
    // entries one position earlier in the queue.
    removingRow_ = index;
    beginRemoveRows({}, static_cast<int>(index), static_cast<int>(index));
    --shown_;
    removingRow_ = kNoRow;
    endRemoveRows();
}

void SourceListModel::EmptyPromptUpdated(bool promptVisible)
{
    Flush();
    emit emptyPromptUpdated(promptVisible);
}

}  // namespace tavoclip
