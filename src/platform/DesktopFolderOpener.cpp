#include "DesktopFolderOpener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace tavoclip {

bool DesktopFolderOpener::OpenFolder(const std::string& path) {
    if (path.empty()) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromLocal8Bit(path)));
}

}  // namespace tavoclip
