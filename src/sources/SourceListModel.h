#pragma once

#include <QAbstractTableModel>

#include "SourceQueue.h"

namespace tavoclip {

// The list view's window onto the source queue: one row per entry in queue
// order, the "FileName" column holding the full path and "Format" its label.
// The queue stays the only store; this model only reports its changes.
class SourceListModel : public QAbstractTableModel, private SourceQueueListener {
    Q_OBJECT
public:
    enum Column { FileNameColumn = 0, FormatColumn = 1, ColumnCount = 2 };

    explicit SourceListModel(SourceQueue& queue, QObject* parent = nullptr);
    ~SourceListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // The empty-list prompt should show exactly when promptVisible is true.
    void emptyPromptUpdated(bool promptVisible);

private:
    void SourceAppended(std::size_t index) override;
    void SourceRemoved(std::size_t index) override;
    void EmptyPromptUpdated(bool promptVisible) override;

    SourceQueue& queue_;
};

}  // namespace tavoclip
