#include "SourceListView.h"

#include <QHeaderView>

#include <algorithm>

namespace tavoclip {

SourceListView::SourceListView(QWidget* parent) : QTreeView(parent)
{
    setObjectName(QStringLiteral("LV"));
    setToolTip(QStringLiteral("File List"));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSortingEnabled(false);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideMiddle);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setDefaultSectionSize(94);
}

void SourceListView::setModel(QAbstractItemModel* model)
{
    QTreeView::setModel(model);
    // FileName about 361 pixels, Format about 94.
    header()->resizeSection(0, 361);
    header()->resizeSection(1, 94);
}

std::vector<std::size_t> SourceListView::SelectedRows() const
{
    std::vector<std::size_t> rows;
    if (selectionModel() == nullptr)
        return rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(static_cast<std::size_t>(index.row()) + 1);
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace tavoclip
