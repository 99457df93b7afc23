// Times the source list at scale in the real main window: a folder import of
// many empty files (toolbar button 6), the resident memory with them queued,
// Remove All (the Remove menu's item) and the batch's removal of the head at
// several queue lengths. The window's events run where the actions let them
// run. Prints one figure per line; bench/list_scale.py builds and runs it.
//
// Usage: tavoclip_list_bench [ENTRIES [SUBFOLDERS]]
// With SUBFOLDERS the files are dealt out over that many subfolders of the
// imported folder (a folder search walks each one), else all lie in it.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>

#include "COMDLG.h"
#include "DesktopShell.h"
#include "FileDialogs.h"
#include "ShellOperations.h"
#include "MessageBoxSink.h"
#include "QtEventPump.h"
#include "SettingsStore.h"
#include "SourceListActions.h"
#include "frmMain.h"
#include "frmMenu.h"

using namespace tavoclip;

namespace {

// The folder browser answers with the folder made for the run.
class FixedFolderDialogs final : public FileDialogs {
public:
    explicit FixedFolderDialogs(QString folder) : folder_(std::move(folder)) {}
    QString OpenFile(QWidget*, const OpenFileRequest&) override { return {}; }
    QString ExistingFolder(QWidget*, const QString&, const QString&) override { return folder_; }

private:
    QString folder_;
};

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

void MakeEmptyFiles(const QString& folder, int count, int subfolders)
{
    for (int i = 0; i < subfolders; ++i)
        QDir(folder).mkdir(QStringLiteral("sub%1").arg(i, 5, 10, QLatin1Char('0')));
    for (int i = 0; i < count; ++i) {
        const QString below =
            subfolders > 0 ? QStringLiteral("/sub%1").arg(i % subfolders, 5, 10, QLatin1Char('0')) : QString();
        std::ofstream((folder + below + QStringLiteral("/clip%1.flv").arg(i, 6, 10, QLatin1Char('0'))).toStdString());
    }
}

// Microseconds per head removal, as the batch does it after each file: the
// removal and, when pump is given, the window's events after it (which relay
// out and repaint the list).
double HeadRemovalMicroseconds(SourceQueue& queue, EventPump* pump, std::size_t length, int removals)
{
    while (queue.count() < length + static_cast<std::size_t>(removals))
        queue.AppendSource("/videos/clip.flv");
    while (queue.count() > length + static_cast<std::size_t>(removals))
        queue.RemoveFirstSource();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < removals; ++i) {
        queue.RemoveFirstSource();
        if (pump != nullptr)
            pump->ProcessPendingEvents();
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1000.0 / removals;
}

}  // namespace

// What the window's controls reach: the list actions, as the program wires
// them; the rest is not part of this measurement.
class ListOperations final : public ShellOperations {
public:
    SourceListActions* actions = nullptr;
    void AddFiles() override { actions->imgAdd_Click(); }
    void AddFolder() override { actions->AddFolder(); }
    void RemoveSelected() override { actions->imgRemove_Click(); }
    void RemoveAll() override { actions->menuRemoveAll_Click(); }
    void ShowOptions() override {}
    void ShowFeedback() override {}
    void BrowseOutputFolder() override {}
    void StartBatch() override {}
    bool KeepFolders() const override { return false; }
    void SetKeepFolders(bool) override {}
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int entries = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int subfolders = argc > 2 ? std::atoi(argv[2]) : 0;

    QTemporaryDir folder;
    MakeEmptyFiles(folder.path(), entries, subfolders);

    QTemporaryDir program;
    SettingsStore settings(program.path());
    ConversionOptions options;
    SourceQueue queue;
    QtEventPump pump;
    ListOperations operations;
    DesktopShell desktop;
    MessageBoxSink messages;
    frmMain window(MainWindowParts{program.path(), QStringLiteral("1.0.0"), settings, options, queue, operations,
                                   desktop, messages, [] {}, [] {}});
    FixedFolderDialogs dialogs(folder.path());
    COMDLG comdlg(dialogs, program.path());
    SourceListActions actions(queue, pump, comdlg, window.ListControls(),
                              [&window] { return window.DefaultOutputFolder(); });
    operations.actions = &actions;
    window.Form_Load();
    window.show();
    pump.ProcessPendingEvents();
    const long baseKilobytes = ResidentKilobytes();

    QElapsedTimer timer;
    timer.start();
    window.imgToolbar_Click(main_layout::Toolbar::AddFolder);
    pump.ProcessPendingEvents();  // the list's first paint with every row
    std::printf("entries: %zu in %d subfolders\n", queue.count(), subfolders);
    std::printf("folder import: %.2f s (target <= 3 s)\n", timer.nsecsElapsed() / 1e9);
    std::printf("resident memory with the entries queued: %.1f MB (before the import %.1f MB; target <= 150 MB)\n",
                ResidentKilobytes() / 1024.0, baseKilobytes / 1024.0);

    timer.restart();
    window.Menus().menuRemove().findChild<QAction*>(QStringLiteral("menuRemoveAll"))->trigger();
    pump.ProcessPendingEvents();
    std::printf("remove all: %.2f s (target <= 2 s)\n", timer.nsecsElapsed() / 1e9);

    for (std::size_t length : {std::size_t{1000}, std::size_t{10000}, static_cast<std::size_t>(entries)}) {
        const double alone = HeadRemovalMicroseconds(queue, nullptr, length, 200);
        const double withEvents = HeadRemovalMicroseconds(queue, &pump, length, 200);
        std::printf("head removal with %zu queued: %.1f us; with the window's events after it: %.1f us\n", length,
                    alone, withEvents);
    }
    return 0;
}
