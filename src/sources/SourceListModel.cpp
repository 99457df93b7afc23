#include "SourceListModel.h"

namespace tavoclip {

SourceListModel::SourceListModel(SourceQueue& queue, QObject* parent) : QAbstractTableModel(parent), queue_(queue)
{
    queue_.AddListener(this);
}

SourceListModel::~SourceListModel()
{
    queue_.RemoveListener(this);
}

int SourceListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(queue_.count());
}

int SourceListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SourceListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= queue_.count())
        return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const SourceEntry& entry = queue_.at(static_cast<std::size_t>(index.row()));
    if (index.column() == FormatColumn)
        return role == Qt::DisplayRole ? QString::fromStdString(entry.formatLabel) : QVariant();
    return QString::fromStdString(entry.path);
}

QVariant SourceListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == FileNameColumn ? QStringLiteral("FileName") : QStringLiteral("Format");
}

// The queue has already changed when it reports, so the row is announced
// after the fact with a begin/end pair; no view reads the model in between.
void SourceListModel::SourceAppended(std::size_t index)
{
    const int row = static_cast<int>(index);
    beginInsertRows({}, row, row);
    endInsertRows();
}

void SourceListModel::SourceRemoved(std::size_t index)
{
    const int row = static_cast<int>(index);
    beginRemoveRows({}, row, row);
    endRemoveRows();
}

void SourceListModel::EmptyPromptUpdated(bool promptVisible)
{
    emit emptyPromptUpdated(promptVisible);
}

}  // namespace tavoclip
