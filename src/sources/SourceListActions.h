#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

#include "SourceListControls.h"

namespace tavoclip {

class COMDLG;
class EventPump;
class SourceQueue;

// The ways files get into the source list and out of it: the open-files
// dialog, the folder import, drops on the list, paths from a command line,
// Remove Selected and Remove All, and the output folder chooser beside the
// list.
class SourceListActions : public QObject {
    Q_OBJECT
public:
    // QLabel draws "&" as it is (it has no buddy), so this is the prompt's
    // text with one ampersand.
    static inline const QString kDropPrompt = QStringLiteral("Drag & Drop Files Here");
    static inline const QString kSearching = QStringLiteral("Searching Files...");
    static inline const QString kOpenFilesTitle = QStringLiteral("Open Files");
    static inline const QString kOpenFilesFilter = QStringLiteral(
        "Flash Video(*.FLV)|*.flv|MPEG Video(*.MPG)|*.mpg|Windows AVI Files(*.AVI)|*.avi|"
        "Windows Media Video(*.WMV)|*.wmv|MPEG-4 Video(*.MP4)|*.mp4|Quick Time Files(*.MOV)|*.mov|"
        "Cellphone Video(*.3GP)|*.3gp|All Files(*.*)|*.*");

    SourceListActions(SourceQueue& queue, EventPump& pump, COMDLG& dialogs, SourceListControls controls,
                      std::function<QString()> defaultOutputFolder, QObject* parent = nullptr);

    void imgAdd_Click();
    void AddFolder();
    void imgRemove_Click();
    void menuRemoveAll_Click();
    void imgBrowse_Click();
    // A drop is taken as a command line's paths are: a folder is searched as
    // the folder import searches it, and a name that is missing or not UTF-8
    // is refused at once in one message, rather than queued to fail later.
    void LV_OLEDragDrop(const QList<QByteArray>& names);
    // Paths named on a command line (this copy's or a later launch's), in
    // their order: a folder's files are appended as the folder import
    // appends them, anything else as a drop appends it. A name that is not
    // valid UTF-8 is refused rather than altered (the converter's command
    // line and the list are text), and so is a path that does not exist.
    // A relative path is refused too: it would be looked up here, not where
    // it was typed. Returns one line per refused path, for the caller to
    // show.
    QStringList AppendLaunchPaths(const QList<QByteArray>& paths);
    // The refusals as one message a screen can hold, however many there
    // are: the first kShownRefusals lines, each cut in the middle past
    // kShownRefusalCharacters, then how many more were refused.
    static QString RefusedLaunchPathsMessage(const QStringList& refused);
    static constexpr qsizetype kShownRefusals = 10;
    static constexpr qsizetype kShownRefusalCharacters = 200;

    // The folder of the file picked last, with its trailing separator; empty
    // until the first pick. Not kept between runs.
    const QString& lastOpenFolder() const { return lastOpenFolder_; }

    // The path up to and including its last separator; empty text when
    // there is none.
    static QString ParsePath(const QString& path);

private:
    // The folder import's search and append, with its message on the strip.
    void ImportFolder(const QString& folder);

    SourceQueue& queue_;
    EventPump& pump_;
    COMDLG& dialogs_;
    SourceListControls controls_;
    std::function<QString()> defaultOutputFolder_;
    QString lastOpenFolder_;
};

}  // namespace tavoclip
