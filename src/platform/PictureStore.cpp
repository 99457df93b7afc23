#include "PictureStore.h"

namespace tavoclip {

void PictureStore::Add(const QString& name, const QPixmap& picture)
{
    pictures_.insert(name, picture);
}

QPixmap PictureStore::Picture(const QString& name) const
{
    return pictures_.value(name);
}

}  // namespace tavoclip
