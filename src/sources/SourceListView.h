#pragma once

#include <QTreeView>

#include <vector>

namespace tavoclip {

// The visible file list LV: a report view with the "FileName" and "Format"
// columns, not sortable, several rows selectable for removal.
class SourceListView : public QTreeView {
    Q_OBJECT
public:
    explicit SourceListView(QWidget* parent = nullptr);

    // The selected rows counted from 1 as the list shows them, lowest first.
    std::vector<std::size_t> SelectedRows() const;

    void setModel(QAbstractItemModel* model) override;
};

}  // namespace tavoclip
