#include "COMDLG.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

#include "FileDialogs.h"

namespace tavoclip {
namespace {

// Patterns as the type list writes them ("*.flv;*.FLV", "*.*") in the form
// Qt matches: space-separated, and "*.*" meaning every file, as it does in
// the type list, not only names with a dot.
QString QtPatterns(const QString& patterns)
{
    QStringList result;
    for (const QString& piece : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString pattern = piece.trimmed();
        if (!pattern.isEmpty())
            result << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
    }
    return result.isEmpty() ? QStringLiteral("*") : result.join(QLatin1Char(' '));
}

}  // namespace

COMDLG::COMDLG(FileDialogs& dialogs, QString startFolder) : dialogs_(dialogs), startFolder_(std::move(startFolder))
{
}

QString COMDLG::DefaultStartFolder()
{
    const QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (!videos.isEmpty() && QFileInfo(videos).isDir())
        return videos;
    return QDir::homePath();
}

QStringList COMDLG::NameFilters(const QString& filter)
{
    const QString text = filter.trimmed().isEmpty() ? QStringLiteral("*.*|*.*") : filter;
    const QStringList pieces = text.split(QLatin1Char('|'));
    QStringList filters;
    // Pieces pair up as description and pattern; a description left without
    // its pattern at the end lists nothing and is dropped.
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2)
        filters << pieces[i] + QStringLiteral(" (") + QtPatterns(pieces[i + 1]) + QLatin1Char(')');
    return filters;
}

void COMDLG::NormaliseInitialFolder(QString& folder) const
{
    if (folder.trimmed().isEmpty()) {
        folder = startFolder_;
        return;
    }
    if (!folder.endsWith(QDir::separator()) && !folder.endsWith(QLatin1Char('/')))
        folder += QDir::separator();
    // A folder that has gone (or cannot be read) opens the start folder,
    // which then becomes the remembered one.
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable())
        folder = startFolder_;
}

QString COMDLG::ShowOpenFile(QWidget* owner, const QString& title, QString& initialFolder, const QString& filter,
                             bool fileMustExist)
{
    NormaliseInitialFolder(initialFolder);
    return dialogs_.OpenFile(owner, OpenFileRequest{title, initialFolder, NameFilters(filter), fileMustExist});
}

QString COMDLG::BrowseForFolder(QWidget* owner, const QString& startFolder)
{
    // kBrowseTitle's text, marked for lupdate and shown translated.
    static const char* const title = QT_TRANSLATE_NOOP("tavoclip::COMDLG", "Please select a folder:");
    return dialogs_.ExistingFolder(owner, QCoreApplication::translate("tavoclip::COMDLG", title),
                                   QFileInfo(startFolder).isDir() ? startFolder : QString());
}

}  // namespace tavoclip
