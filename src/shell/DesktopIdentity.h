#pragma once

#include <QIcon>
#include <QString>

namespace tavoclip {

// Ties the program's windows to its desktop entry and icon, so that task
// bars and docks show the Tavoclip icon and group the windows under the
// launcher instead of showing a generic window.
class DesktopIdentity {
public:
    // The icon's name in the icon theme, as the desktop entry gives it.
    static inline const QString kIconName = QStringLiteral("tavoclip");

    // Sets the desktop file name (desktopId, without ".desktop") and the
    // icon every window of the program shows.
    static void Apply(const QString& desktopId, const QString& programFolder);

    // The installed icon from the icon theme; in a build tree, which
    // installs nothing, the icons rendered into its share/icons folder. Null
    // when neither is there.
    static QIcon ProgramIcon(const QString& programFolder);
};

}  // namespace tavoclip
