#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

namespace tavoclip {

// The hover and pressed pictures of a skinned window, drawn once when the
// window is built and held in memory for its lifetime, so that lighting or
// clearing a button never draws or reads anything. Pictures are named after
// their button ("imgExitLight", "imgButtonData0").
class PictureStore {
public:
    void Add(const QString& name, const QPixmap& picture);
    // The named picture; a null pixmap when there is none, which shows as a
    // cleared button rather than failing.
    QPixmap Picture(const QString& name) const;
    bool Contains(const QString& name) const { return pictures_.contains(name); }
    qsizetype size() const { return pictures_.size(); }

private:
    QHash<QString, QPixmap> pictures_;
};

}  // namespace tavoclip
