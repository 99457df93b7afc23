#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tavoclip {

// What the open-files dialog is asked to show. The first name filter is
// preselected; only one file can be picked.
struct OpenFileRequest {
    QString title;
    QString folder;
    QStringList nameFilters;  // Qt's form: "Description (*.a *.b)"
    bool fileMustExist = false;
};

// The two desktop file dialogs the source list uses, behind an interface so
// that tests answer them instead of a person. Each returns one path, or empty
// text when the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString OpenFile(QWidget* owner, const OpenFileRequest& request) = 0;
    // Only existing folders can be confirmed. startFolder, when not empty, is
    // where the browser opens.
    virtual QString ExistingFolder(QWidget* owner, const QString& title, const QString& startFolder) = 0;
};

}  // namespace tavoclip
