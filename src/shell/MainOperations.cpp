#include "MainOperations.h"

#include <QFileDialog>

#include "EventPump.h"
#include "SourceQueue.h"
#include "frmMain.h"

namespace tavoclip {

MainOperations::MainOperations(SourceQueue& queue, EventPump& pump, std::function<void()> startBatch)
    : queue_(queue), pump_(pump), startBatch_(std::move(startBatch))
{
}

void MainOperations::AddFiles()
{
    const QStringList files = QFileDialog::getOpenFileNames(
        window_, QStringLiteral("Open"), QString(),
        QStringLiteral("Video files (*.flv *.mp4 *.avi *.mpg *.mpeg *.wmv *.mov *.3gp *.mkv *.webm);;All files (*)"));
    for (const QString& file : files)
        queue_.AppendSource(file.toStdString());
    queue_.UpdateEmptyPrompt();
}

void MainOperations::RemoveSelected()
{
    if (window_ == nullptr)
        return;
    const std::vector<std::size_t> rows = window_->SelectedRows();
    // Highest row first, so the lower row numbers stay valid.
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        queue_.RemoveSourceAt(*row);
    queue_.UpdateEmptyPrompt();
}

void MainOperations::RemoveAll()
{
    queue_.ClearSources([this] { pump_.ProcessPendingEvents(); });
}

void MainOperations::BrowseOutputFolder()
{
    if (window_ == nullptr)
        return;
    const QString folder = QFileDialog::getExistingDirectory(window_, QStringLiteral("Please select a folder:"));
    if (!folder.isEmpty())
        window_->SetOutputFolderText(folder);
}

void MainOperations::StartBatch()
{
    if (startBatch_)
        startBatch_();
}

}  // namespace tavoclip
