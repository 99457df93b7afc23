#include "MainOperations.h"

#include "SourceListActions.h"

namespace tavoclip {

MainOperations::MainOperations(std::function<void()> startBatch) : startBatch_(std::move(startBatch))
{
}

void MainOperations::AddFiles()
{
    if (sources_)
        sources_->imgAdd_Click();
}

void MainOperations::AddFolder()
{
    if (sources_)
        sources_->AddFolder();
}

void MainOperations::RemoveSelected()
{
    if (sources_)
        sources_->imgRemove_Click();
}

void MainOperations::RemoveAll()
{
    if (sources_)
        sources_->menuRemoveAll_Click();
}

void MainOperations::BrowseOutputFolder()
{
    if (sources_)
        sources_->imgBrowse_Click();
}

void MainOperations::StartBatch()
{
    if (startBatch_)
        startBatch_();
}

void MainOperations::SetKeepFolders(bool on)
{
    keepFolders_ = on;
    if (keepFoldersChanged_)
        keepFoldersChanged_(on);
}

}  // namespace tavoclip
