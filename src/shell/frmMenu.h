#pragma once

#include <QWidget>

#include <functional>

class QAction;
class QLineEdit;
class QMenu;

namespace tavoclip {

// The hidden window that carries the four popup menus. Its items do not call
// the main window: each writes its command word into the main window's
// command channel, whose change dispatches it. "Remove All" is the one item
// that runs its operation itself.
class frmMenu : public QWidget {
    Q_OBJECT
public:
    frmMenu(QLineEdit& txtAction, std::function<void()> removeAll, QWidget* parent = nullptr);

    QMenu& menuFile() { return *menuFile_; }
    QMenu& menuOptions() { return *menuOptions_; }
    QMenu& menuAbout() { return *menuAbout_; }
    QMenu& menuRemove() { return *menuRemove_; }
    // The checkable "Keep Folder Structure" item of the Options menu.
    QAction& menuKeepFolders() { return *menuKeepFolders_; }
    // The Options menu's "Convert at Once" submenu: 1, 2 or 4 files, or one
    // per core; current is checked, and a pick calls choose with its number.
    void AddFilesAtOnce(int current, const std::function<void(int)>& choose);

private:
    QMenu* NewMenu(const QString& name, const QString& caption);
    QAction* AddCommandItem(QMenu& menu, const QString& name, const QString& caption, const QString& word);

    QLineEdit& txtAction_;
    QMenu* menuFile_;
    QMenu* menuOptions_;
    QMenu* menuAbout_;
    QMenu* menuRemove_;
    QAction* menuKeepFolders_;
};

}  // namespace tavoclip
