#include "DesktopShell.h"

#include <QDesktopServices>
#include <QMenu>
#include <QMessageBox>

namespace tavoclip {

bool DesktopShell::OpenUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

void DesktopShell::ShowAbout(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, dialogParent_);
    box.exec();
}

void DesktopShell::PopupMenu(QMenu& menu, const QPoint& globalPosition)
{
    menu.exec(globalPosition);
}

}  // namespace tavoclip
