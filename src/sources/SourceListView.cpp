#include "SourceListView.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QUrl>

namespace tavoclip {
namespace {

// Copying is the only action the list takes: the drag source must never
// delete or move its files because they were dropped here.
void AcceptAsCopy(QDropEvent& event)
{
    if (SourceListView::DroppedPaths(event.mimeData()).isEmpty()) {
        event.ignore();
        return;
    }
    event.setDropAction(Qt::CopyAction);
    event.accept();
}

}  // namespace

SourceListView::SourceListView(QWidget* parent) : QTreeView(parent)
{
    setObjectName(QStringLiteral("LV"));
    setToolTip(tr("File List"));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSortingEnabled(false);
    setAllColumnsShowFocus(true);
    // Remove Selected takes one row; allowing only one highlighted row keeps
    // what the user sees highlighted and what is removed the same.
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideMiddle);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
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

std::size_t SourceListView::CurrentRow() const
{
    // The list selects one row at a time, so the first selected row is the one.
    if (selectionModel() == nullptr)
        return 0;
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : static_cast<std::size_t>(rows.front().row()) + 1;
}

QStringList SourceListView::DroppedPaths(const QMimeData* data)
{
    QStringList paths;
    if (data == nullptr || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths << QDir::toNativeSeparators(url.toLocalFile());
    }
    return paths;
}

QList<QByteArray> SourceListView::DroppedNames(const QMimeData* data)
{
    QList<QByteArray> names;
    if (data == nullptr || !data->hasUrls())
        return names;
    // QUrl keeps bytes that are not UTF-8 percent-encoded; decoding the
    // encoded path gives them back exactly.
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            names << QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    }
    return names;
}

void SourceListView::dragEnterEvent(QDragEnterEvent* event)
{
    AcceptAsCopy(*event);
}

void SourceListView::dragMoveEvent(QDragMoveEvent* event)
{
    AcceptAsCopy(*event);
}

void SourceListView::dropEvent(QDropEvent* event)
{
    const QList<QByteArray> names = DroppedNames(event->mimeData());
    AcceptAsCopy(*event);
    if (!names.isEmpty())
        emit filesDropped(names);
}

}  // namespace tavoclip
