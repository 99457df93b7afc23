#pragma once

#include <QPoint>
#include <QString>
#include <QUrl>

class QMenu;

namespace tavoclip {

// What the main window asks of the desktop: opening a file or web address
// with the desktop's viewer, the about box and popup menus. Each of these
// runs its own loop or leaves the program, so tests replace them.
class ShellDesktop {
public:
    virtual ~ShellDesktop() = default;
    // False when the desktop could not open it; callers go on regardless.
    virtual bool OpenUrl(const QUrl& url) = 0;
    // A box with only an OK button and no icon.
    virtual void ShowAbout(const QString& title, const QString& text) = 0;
    // Pops the menu up at a screen position and returns once it has closed;
    // a chosen item's action has run by then.
    virtual void PopupMenu(QMenu& menu, const QPoint& globalPosition) = 0;
};

}  // namespace tavoclip
