#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "BatchDriver.h"
#include "BatchProgressRelay.h"
#include "BringToFront.h"
#include "COMDLG.h"
#include "CanberraSoundPlayer.h"
#include "DOSOutputs.h"
#include "DesktopFolderOpener.h"
#include "DesktopShell.h"
#include "DockProgress.h"
#include "FileSystemDirectoryMaker.h"
#include "LaunchArgumentClient.h"
#include "LaunchArgumentServer.h"
#include "LaunchArguments.h"
#include "LauncherEntry.h"
#include "MainOperations.h"
#include "MessageBoxSink.h"
#include "ProgramPaths.h"
#include "QtEventPump.h"
#include "QtFileDialogs.h"
#include "QtProcessLauncher.h"
#include "SettingsStore.h"
#include "SingleInstanceLock.h"
#include "SourceListActions.h"
#include "TempFileCleanup.h"
#include "TranslationLoader.h"
#include "frmMain.h"
#include "frmOptions.h"
#include "frmSuggest.h"

using namespace tavoclip;

namespace {

// Paths from a command line go into the list; what cannot go in is said in
// one message.
void AppendLaunchPaths(SourceListActions& actions, MessageSink& messages, const QList<QByteArray>& paths)
{
    const QStringList refused = actions.AppendLaunchPaths(paths);
    if (refused.isEmpty())
        return;
    messages.ShowMessage(SourceListActions::RefusedLaunchPathsMessage(refused).toStdString(), "Tavoclip",
                         MessageIcon::Exclamation);
}

}  // namespace

// Wires the window to the queue, the settings, the runner and the batch
// driver. Everything lives on this stack for the whole run.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavoclip"));
    QApplication::setApplicationVersion(QStringLiteral(TAVOCLIP_VERSION));
    TranslationLoader::Install(app, TranslationLoader::DefaultFolder());

    // Qt has taken its own options out of argv; the rest are files and
    // folders, made absolute here, against this copy's working folder.
    const QList<QByteArray> launchPaths = LaunchArguments::FromCommandLine(argc, argv);

    // A second copy ends at once: no window, nothing saved. It only hands
    // its paths to the running copy, which adds them and comes to the front.
    SingleInstanceLock instance(SingleInstanceLock::DefaultPath());
    if (!instance.TryAcquire()) {
        // Files that did not reach the running copy are not reported as taken.
        if (!LaunchArgumentClient::HandOver(LaunchArgumentServer::DefaultPath(), launchPaths,
                                            LaunchArgumentClient::kDefaultTimeoutMilliseconds) &&
            !launchPaths.isEmpty()) {
            std::fprintf(stderr, "tavoclip: %s\n", qPrintable(QCoreApplication::translate("main", "the running copy did not take the files")));
            return 1;
        }
        return 0;
    }

    const QString programFolder = QCoreApplication::applicationDirPath();
    // An installed copy keeps its settings in the user's configuration folder.
    SettingsStore settings(ProgramPaths::ForCurrentUser(programFolder));
    ConversionOptions options;
    SourceQueue queue;
    QtEventPump pump;
    MessageBoxSink messages;
    DesktopShell desktop;
    std::unique_ptr<BatchDriver> driver;
    MainOperations operations([&driver] {
        if (driver)
            driver->Start();
    });
    // The private folder is looked up when the program ends, so a folder that
    // changed hands while the program ran is judged as it is then.
    const auto removeTempFiles = [] {
        TempFileCleanup(TempFileCleanup::DefaultPaths(), [] { QCoreApplication::processEvents(); }).Run();
    };

    frmMain* window = nullptr;
    MainWindowParts parts{programFolder, QStringLiteral(TAVOCLIP_VERSION), settings, options, queue, operations,
                          desktop, messages, removeTempFiles,
                          [&window] {
                              // During a batch the window's handlers run nested inside
                              // the runner's wait, which never returns to the event
                              // loop in time: leave at once. The converter goes on.
                              if (window != nullptr && window->BatchRunning())
                                  std::quick_exit(0);
                              QCoreApplication::quit();
                          }};
    frmMain mainWindow(std::move(parts));
    window = &mainWindow;
    messages.SetParent(&mainWindow);
    desktop.SetDialogParent(&mainWindow);
    QtFileDialogs fileDialogs;
    COMDLG comdlg(fileDialogs, programFolder);
    SourceListActions sourceActions(queue, pump, comdlg, mainWindow.ListControls(),
                                    [&mainWindow] { return mainWindow.DefaultOutputFolder(); });
    operations.SetSourceActions(&sourceActions);
    // Each opening builds a fresh form from the current options and drops it
    // when it closes.
    operations.SetFormOpeners(
        [&] {
            frmOptions dialog(options, settings, messages, &mainWindow);
            dialog.exec();
        },
        [&] {
            frmSuggest form(FeedbackEndpoint{}, &mainWindow);
            form.exec();
        });

    QtProcessLauncher launcher;
    DOSOutputs runner(launcher, pump, mainWindow, QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString());
    ProgressTracker tracker;
    FileSystemDirectoryMaker directories;
    DesktopFolderOpener folders;
    CanberraSoundPlayer sounds;
    // Docks know the program by its desktop file's name.
    LauncherEntry launcherEntry(QStringLiteral(TAVOCLIP_DESKTOP_ID));
    DockProgress dockProgress(queue, launcherEntry);
    BatchProgressRelay batchView(mainWindow, dockProgress);
    driver = std::make_unique<BatchDriver>(batchView, queue, runner, tracker, options,
                                           BatchServices{pump, directories, folders, sounds},
                                           BatchProgram{programFolder.toStdString(), {}, PathStyle::Posix});
    driver->SetDefaultOutputFolder(mainWindow.DefaultOutputFolder().toStdString());

    mainWindow.Form_Load();
    mainWindow.show();

    LaunchArgumentServer handOver(LaunchArgumentServer::DefaultPath(), [&](const QList<QByteArray>& paths) {
        BringToFront(mainWindow);
        AppendLaunchPaths(sourceActions, messages, paths);
    });
    if (!handOver.Listen())
        std::fprintf(stderr, "tavoclip: %s: %s\n", qPrintable(QCoreApplication::translate("main", "later launches cannot hand files over")),
                     qPrintable(handOver.ErrorText()));
    AppendLaunchPaths(sourceActions, messages, launchPaths);
    return QApplication::exec();
}
