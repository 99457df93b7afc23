#pragma once

#include "ShellDesktop.h"

class QWidget;

namespace tavoclip {

// The real desktop: the system's viewer for files and web addresses, a Qt
// message box for the about box, the menu's own loop for popups.
class DesktopShell final : public ShellDesktop {
public:
    explicit DesktopShell(QWidget* dialogParent = nullptr) : dialogParent_(dialogParent) {}
    void SetDialogParent(QWidget* parent) { dialogParent_ = parent; }

    bool OpenUrl(const QUrl& url) override;
    void ShowAbout(const QString& title, const QString& text) override;
    void PopupMenu(QMenu& menu, const QPoint& globalPosition) override;

private:
    QWidget* dialogParent_;
};

}  // namespace tavoclip
