#include "DesktopFolderOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QString>
#include <QUrl>

namespace tavoclip {

bool DesktopFolderOpener::OpenFolder(const std::string& path)
{
    // A folder that is not there (never made, or removed since) is not
    // handed to the desktop, whose file manager would report an error or
    // open somewhere else.
    const QString folder = QString::fromLocal8Bit(path);
    if (path.empty() || !QFileInfo(folder).isDir()) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

}  // namespace tavoclip
