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

    COMDLG(FileDialogs& dialogs, QString programFolder);

    // Shows the open dialog and returns the picked file's full path, or empty
    // text. initialFolder is normalised in place: blank or missing becomes
    // the program folder, anything else gains a trailing separator.
    QString ShowOpenFile(QWidget* owner, const QString& title, QString& initialFolder, const QString& filter,
                         bool fileMustExist = false);
    // A confirmed existing folder, or empty text.
    QString BrowseForFolder(QWidget* owner);

    // "Description|pattern|Description|pattern" as Qt name filters, in order.
    // A blank filter gives the single entry "*.*".
    static QStringList NameFilters(const QString& filter);

private:
    void NormaliseInitialFolder(QString& folder) const;

    FileDialogs& dialogs_;
    QString programFolder_;
};

}  // namespace tavoclip
