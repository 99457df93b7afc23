#include "SourceListActions.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringDecoder>

#include <filesystem>
#include <system_error>

#include <string>
#include <utility>
#include <vector>

#include "COMDLG.h"
#include "EventPump.h"
#include "FileSearch.h"
#include "MessageSink.h"
#include "SourceListView.h"
#include "SourceQueue.h"

namespace tavoclip {
namespace {

// ':' and '\' are ordinary letters of a file name.
bool IsFolderSeparator(QChar c)
{
    return c == QLatin1Char('/');
}

// The name as the user can read it: valid UTF-8 as it is, any other byte as
// \xNN.
QString Printable(const QByteArray& bytes)
{
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        // A UTF-8 character is one to four bytes long, and no shorter
        // prefix of it is valid on its own.
        qsizetype length = 1;
        while (length <= 4 && i + length <= bytes.size() &&
               !QUtf8StringView(bytes.constData() + i, length).isValidUtf8())
            ++length;
        if (length <= 4 && i + length <= bytes.size()) {
            text += QString::fromUtf8(bytes.constData() + i, length);
            i += length;
        } else {
            text += QStringLiteral("\\x%1").arg(static_cast<uchar>(bytes[i]), 2, 16, QLatin1Char('0'));
            ++i;
        }
    }
    return text;
}

// The texts of the header's constants, for lupdate; they are translated
// where they are shown, so the constants stay the English originals.
[[maybe_unused]] const char* const kShownTexts[] = {
    QT_TRANSLATE_NOOP("tavoclip::SourceListActions", "Drag & Drop Files Here"),
    QT_TRANSLATE_NOOP("tavoclip::SourceListActions", "Searching Files..."),
    QT_TRANSLATE_NOOP("tavoclip::SourceListActions", "Open Files"),
    QT_TRANSLATE_NOOP("tavoclip::SourceListActions",
                      "Flash Video(*.FLV)|*.flv|MPEG Video(*.MPG)|*.mpg|Windows AVI Files(*.AVI)|*.avi|"
                      "Windows Media Video(*.WMV)|*.wmv|MPEG-4 Video(*.MP4)|*.mp4|Quick Time Files(*.MOV)|*.mov|"
                      "Cellphone Video(*.3GP)|*.3gp|All Files(*.*)|*.*"),
};

}  // namespace

SourceListActions::SourceListActions(SourceQueue& queue, EventPump& pump, COMDLG& dialogs,
                                     SourceListControls controls, std::function<QString()> defaultOutputFolder,
                                     QObject* parent)
    : QObject(parent),
      queue_(queue),
      pump_(pump),
      dialogs_(dialogs),
      controls_(controls),
      defaultOutputFolder_(std::move(defaultOutputFolder))
{
    connect(controls_.LV, &SourceListView::filesDropped, this,
            [this](const QList<QByteArray>& names) { LV_OLEDragDrop(names); });
}

QString SourceListActions::ParsePath(const QString& path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (IsFolderSeparator(path[i]))
            return path.left(i + 1);
    }
    return {};
}

void SourceListActions::imgAdd_Click()
{
    // The first dialog gets a scratch folder, so the remembered folder stays
    // empty until a file is picked; later ones get the remembered folder
    // itself, so its normalisation is kept.
    QString scratch;
    QString& folder = lastOpenFolder_.isEmpty() ? scratch : lastOpenFolder_;
    const QString picked = dialogs_.ShowOpenFile(controls_.owner, tr(qPrintable(kOpenFilesTitle)), folder, tr(qPrintable(kOpenFilesFilter)));
    if (!picked.isEmpty()) {
        lastOpenFolder_ = ParsePath(picked);
        queue_.AppendSource(picked.toStdString());
    }
    queue_.UpdateEmptyPrompt();
}

void SourceListActions::AddFolder()
{
    const QString folder = dialogs_.BrowseForFolder(controls_.owner);
    // The strip shows the search's message even over a filled list.
    ImportFolder(folder);
}

void SourceListActions::ImportFolder(const QString& folder)
{
    controls_.picText->setVisible(true);
    controls_.lblText->setText(tr(qPrintable(kSearching)));
    if (!folder.isEmpty()) {
        // Every path is collected before any is queued, so the queue grows
        // in one pass; the window's events run after each listing entry.
        // Each file keeps the folder it was found in, for an output placed
        // at the same path below the output folder.
        const std::string root = folder.toStdString();
        std::vector<std::string> found;
        SearchFiles(root, found, [this] { pump_.ProcessPendingEvents(); });
        for (std::string& path : found)
            queue_.AppendSource(std::move(path), root);
    }
    controls_.lblText->setText(tr(qPrintable(kDropPrompt)));
    queue_.UpdateEmptyPrompt();
}

void SourceListActions::imgRemove_Click()
{
    if (!queue_.empty())
        queue_.RemoveSourceAt(controls_.LV->CurrentRow());
    queue_.UpdateEmptyPrompt();
}

void SourceListActions::menuRemoveAll_Click()
{
    queue_.ClearSources([this] { pump_.ProcessPendingEvents(); });
}

void SourceListActions::imgBrowse_Click()
{
    // The browser opens at the folder the field names now.
    const QString folder = dialogs_.BrowseForFolder(controls_.owner, controls_.txtPath->text());
    // Cancelling resets the field to the default rather than keeping the
    // previous choice.
    controls_.txtPath->setText(folder.isEmpty() ? defaultOutputFolder_() : folder);
}

void SourceListActions::LV_OLEDragDrop(const QList<QByteArray>& names)
{
    const QStringList refused = AppendLaunchPaths(names);
    if (!refused.isEmpty() && controls_.messages != nullptr)
        controls_.messages->ShowMessage(RefusedLaunchPathsMessage(refused).toStdString(), "Tavoclip",
                                        MessageIcon::Exclamation);
}

QStringList SourceListActions::AppendLaunchPaths(const QList<QByteArray>& paths)
{
    QStringList refused;
    bool appended = false;
    for (const QByteArray& bytes : paths) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString path = decoder(bytes);
        if (decoder.hasError()) {
            refused += Printable(bytes) + tr(": the name is not valid UTF-8 text");
            continue;
        }
        // A relative path would be looked up in this copy's working folder,
        // not in the sender's, and might name another file.
        if (!bytes.startsWith('/')) {
            refused += path + tr(": not a full path, so which file it names is not known here");
            continue;
        }
        std::error_code error;
        const std::filesystem::file_status status = std::filesystem::status(bytes.toStdString(), error);
        if (!std::filesystem::exists(status)) {
            refused += path + tr(": no such file or folder");
        } else if (std::filesystem::is_directory(status)) {
            ImportFolder(path);
        } else {
            queue_.AppendSource(bytes.toStdString());
            appended = true;
        }
    }
    // The end of a drop: the window's events run once and the prompt goes.
    if (appended && !queue_.empty()) {
        pump_.ProcessPendingEvents();
        queue_.UpdateEmptyPrompt();
    }
    return refused;
}

QString SourceListActions::RefusedLaunchPathsMessage(const QStringList& refused)
{
    QStringList shown = refused.mid(0, kShownRefusals);
    // A name of thousands of characters would stretch the box off the
    // screen; its middle goes.
    for (QString& line : shown) {
        if (line.size() <= kShownRefusalCharacters)
            continue;
        // The cut never splits a character that takes two UTF-16 units.
        qsizetype head = kShownRefusalCharacters / 2;
        qsizetype tail = kShownRefusalCharacters / 2;
        if (line[head - 1].isHighSurrogate())
            --head;
        if (line[line.size() - tail].isLowSurrogate())
            --tail;
        line = line.left(head) + QStringLiteral("…") + line.right(tail);
    }
    QString text = tr("These were not added:\n\n") + shown.join(QLatin1Char('\n'));
    if (refused.size() > shown.size())
        text += tr("\n\nand %n more.", nullptr, static_cast<int>(refused.size() - shown.size()));
    return text;
}

}  // namespace tavoclip
