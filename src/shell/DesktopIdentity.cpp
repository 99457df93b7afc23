#include "DesktopIdentity.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace tavoclip {

void DesktopIdentity::Apply(const QString& desktopId, const QString& programFolder)
{
    QGuiApplication::setDesktopFileName(desktopId);
    const QIcon icon = ProgramIcon(programFolder);
    if (!icon.isNull())
        QGuiApplication::setWindowIcon(icon);
}

QIcon DesktopIdentity::ProgramIcon(const QString& programFolder)
{
    QIcon icon = QIcon::fromTheme(kIconName);
    if (!icon.isNull())
        return icon;
    // The build tree renders the theme's PNG sizes into share/icons/NxN.
    const QDir rendered(programFolder + QStringLiteral("/share/icons"));
    for (const QString& size : rendered.entryList({QStringLiteral("*x*")}, QDir::Dirs)) {
        const QString png = rendered.filePath(size + QLatin1Char('/') + kIconName + QStringLiteral(".png"));
        if (QFileInfo(png).isFile())
            icon.addFile(png);
    }
    return icon;
}

}  // namespace tavoclip
