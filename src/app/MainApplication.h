#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

#include "BatchDriver.h"
#include "BatchOverview.h"
#include "COMDLG.h"
#include "ConfFile.h"
#include "CanberraSoundPlayer.h"
#include "DOSOutputs.h"
#include "DesktopFolderOpener.h"
#include "DesktopNotifier.h"
#include "DesktopShell.h"
#include "DockProgress.h"
#include "FileSystemDirectoryMaker.h"
#include "LaunchArgumentServer.h"
#include "LauncherEntry.h"
#include "MessageBoxSink.h"
#include "QtEventPump.h"
#include "QtFileDialogs.h"
#include "QtProcessLauncher.h"
#include "SettingsStore.h"
#include "ShellOperations.h"
#include "SourceListActions.h"
#include "SourceQueue.h"
#include "frmMain.h"

namespace tavoclip {

// The window program once it knows it is the only copy: every part, built
// in the order of the members below, each from those above it, and all alive
// until the program ends. The window's controls reach the list actions, the
// forms and the batch through this object (ShellOperations); the window
// calls them only from events, once everything here exists.
class MainApplication final : private ShellOperations {
    Q_DECLARE_TR_FUNCTIONS(MainApplication)

public:
    explicit MainApplication(const QString& programFolder);
    MainApplication(const MainApplication&) = delete;
    MainApplication& operator=(const MainApplication&) = delete;

    // Runs the start-up sequence and shows the window; paths from this
    // launch join the list, and later launches can hand theirs over.
    void Show(const QList<QByteArray>& launchPaths);

private:
    void AddFiles() override { sourceActions_.imgAdd_Click(); }
    void AddFolder() override { sourceActions_.AddFolder(); }
    void RemoveSelected() override { sourceActions_.imgRemove_Click(); }
    void RemoveAll() override { sourceActions_.menuRemoveAll_Click(); }
    void ShowOptions() override;
    void ShowFeedback() override;
    void BrowseOutputFolder() override { sourceActions_.imgBrowse_Click(); }
    void StartBatch() override { driver_.Start(); }
    bool KeepFolders() const override { return keepFolders_; }
    void SetKeepFolders(bool on) override;

    void ConnectBatch();
    void NotifyBatchEnd(bool finished);
    // The Options menu's "Convert at Once": saved at once, in force from the
    // next batch.
    void SetFilesAtOnce(int files);
    void AppendLaunchPaths(const QList<QByteArray>& paths);

    QString programFolder_;
    // An installed copy keeps its settings in the user's configuration folder.
    SettingsStore settings_;
    // The program's own choices beside the two settings files.
    ConfFile conf_;
    bool keepFolders_;
    int filesAtOnce_;
    ConversionOptions options_;
    SourceQueue queue_;
    QtEventPump pump_;
    // Their dialogs sit over the window, which is made after them.
    MessageBoxSink messages_;
    DesktopShell desktop_;
    frmMain window_;

    QtFileDialogs fileDialogs_;
    COMDLG comdlg_;
    SourceListActions sourceActions_;

    QtProcessLauncher launcher_;
    // Enough runners for any "Convert at Once" choice; the driver uses as
    // many of them as the choice says.
    std::vector<std::unique_ptr<DOSOutputs>> runners_;
    FileSystemDirectoryMaker directories_;
    DesktopFolderOpener folders_;
    // A word when a batch ends while the window is in the background.
    DesktopNotifier notifier_{folders_};
    CanberraSoundPlayer sounds_;
    // Docks know the program by its desktop file's name.
    LauncherEntry launcherEntry_;
    DockProgress dock_;
    BatchDriver driver_;
    // A child of the window.
    BatchOverview* overview_ = nullptr;

    LaunchArgumentServer handOver_;
};

}  // namespace tavoclip
