#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tavoclip {

class FileDialogs;

// The common-dialog helpers of the source list: the open-files dialog with
// its initial-folder rule and "|"-separated type filter, and the folder
// browser shared by the folder import and the output folder chooser.
class COMDLG {
public:
    static inline const QString kBrowseTitle = QStringLiteral("Please select a folder:");

    // startFolder is where the open dialog starts when it has no folder of
    // its own to start in.
    COMDLG(FileDialogs& dialogs, QString startFolder);

    // The user's videos folder where there is one, else the home folder: an
    // installed program's folder is no place to look for videos.
    static QString DefaultStartFolder();

    // Shows the open dialog and returns the picked file's full path, or empty
    // text. initialFolder is normalised in place: blank or missing becomes
    // the start folder, anything else gains a trailing separator.
    QString ShowOpenFile(QWidget* owner, const QString& title, QString& initialFolder, const QString& filter,
                         bool fileMustExist = false);
    // A confirmed existing folder, or empty text. The browser opens at
    // startFolder when it names an existing folder.
    QString BrowseForFolder(QWidget* owner, const QString& startFolder = QString());

    // "Description|pattern|Description|pattern" as Qt name filters, in order.
    // A blank filter gives the single entry "*.*".
    static QStringList NameFilters(const QString& filter);

private:
    void NormaliseInitialFolder(QString& folder) const;

    FileDialogs& dialogs_;
    QString startFolder_;
};

}  // namespace tavoclip
