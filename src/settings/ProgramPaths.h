#pragma once

#include <QString>

namespace tavoclip {

// Decides where setup.ini and options.ini live and which folder the output
// goes to when none is chosen. A program folder the user can write (a build
// tree, an unpacked copy) keeps both files itself and puts the output in its
// "output" subfolder. An installed copy, or any program folder that cannot be
// written, would lose every save without a word, so its settings go to the
// user's configuration folder and its output to the user's videos folder.
class ProgramPaths {
public:
    // Written into the program folder by the install rules: its presence
    // marks an installed copy even for a user who could write the folder
    // (root writes anywhere).
    static inline const QString kInstalledMarker = QStringLiteral("installed");

    // Everything in the program folder, whatever its state.
    explicit ProgramPaths(QString programFolder);
    // userConfigFolder holds the settings files of a shared program folder;
    // userVideosFolder is the parent of its default output folder.
    ProgramPaths(QString programFolder, QString userConfigFolder, QString userVideosFolder);

    // The folders of the user running this process, from the desktop's
    // standard locations ($XDG_CONFIG_HOME/tavoclip, ~/Videos/Tavoclip).
    static ProgramPaths ForCurrentUser(const QString& programFolder);

    // True when the program folder carries the install marker or a file
    // cannot be created in it.
    static bool IsSharedFolder(const QString& programFolder);

    const QString& programFolder() const { return programFolder_; }
    const QString& settingsFolder() const { return settingsFolder_; }
    const QString& defaultOutputFolder() const { return defaultOutputFolder_; }
    // False for a user folder that the first save has to create.
    bool settingsInProgramFolder() const { return settingsFolder_ == programFolder_; }

private:
    QString programFolder_;
    QString settingsFolder_;
    QString defaultOutputFolder_;
};

}  // namespace tavoclip
