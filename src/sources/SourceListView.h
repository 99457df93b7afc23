#pragma once

#include <QStringList>
#include <QTreeView>

#include <cstddef>

class QMimeData;

namespace tavoclip {

// The visible file list LV: a report view with the "FileName" and "Format"
// columns, not sortable, one row selectable at a time. It is the window's
// drop target for files: a drop of local files reports the copy action and
// hands the names on as the file system spells them (bytes, which need not be
// UTF-8), in the order the drag lists them.
class SourceListView : public QTreeView {
    Q_OBJECT
public:
    explicit SourceListView(QWidget* parent = nullptr);

    // The selected row counted from 1 as the list shows it; 0 when no row is
    // selected.
    std::size_t CurrentRow() const;

    void setModel(QAbstractItemModel* model) override;

    // The local paths a drag carries, in its order; empty when it carries no
    // files (text, pictures, web addresses).
    static QStringList DroppedPaths(const QMimeData* data);
    // The same paths as the file system's bytes: a name that is not UTF-8
    // stays as it is instead of turning into replacement characters.
    static QList<QByteArray> DroppedNames(const QMimeData* data);

signals:
    void filesDropped(const QList<QByteArray>& names);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

}  // namespace tavoclip
