#include "QtFileDialogs.h"

#include <QDir>
#include <QFileDialog>

namespace tavoclip {
namespace {

QString FirstChoice(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().value(0));
}

}  // namespace

void QtFileDialogs::ConfigureOpenDialog(QFileDialog& dialog, const OpenFileRequest& request)
{
    dialog.setWindowTitle(request.title);
    dialog.setDirectory(request.folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Without the must-exist rule a typed name is returned as it stands.
    dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The list shows each description as given, without Qt's pattern suffix.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(request.nameFilters);
    if (!request.nameFilters.isEmpty())
        dialog.selectNameFilter(request.nameFilters.first());
}

void QtFileDialogs::ConfigureFolderDialog(QFileDialog& dialog, const QString& title, const QString& startFolder)
{
    dialog.setWindowTitle(title);
    if (!startFolder.isEmpty())
        dialog.setDirectory(startFolder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
}

QString QtFileDialogs::OpenFile(QWidget* owner, const OpenFileRequest& request)
{
    QFileDialog dialog(owner);
    ConfigureOpenDialog(dialog, request);
    return FirstChoice(dialog);
}

QString QtFileDialogs::ExistingFolder(QWidget* owner, const QString& title, const QString& startFolder)
{
    QFileDialog dialog(owner);
    ConfigureFolderDialog(dialog, title, startFolder);
    return FirstChoice(dialog);
}

}  // namespace tavoclip
