#include <QApplication>
#include <QFileInfo>

#include <cstdlib>
#include <memory>

#include "BatchDriver.h"
#include "COMDLG.h"
#include "CanberraSoundPlayer.h"
#include "DOSOutputs.h"
#include "DesktopFolderOpener.h"
#include "DesktopShell.h"
#include "FileSystemDirectoryMaker.h"
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
#include "frmMain.h"
#include "frmOptions.h"
#include "frmSuggest.h"

using namespace tavoclip;

// Wires the window to the queue, the settings, the runner and the batch
// driver. Everything lives on this stack for the whole run.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavoclip"));
    QApplication::setApplicationVersion(QStringLiteral(TAVOCLIP_VERSION));

    // A second copy ends at once: no window, nothing saved, the first copy
    // left alone.
    SingleInstanceLock instance(SingleInstanceLock::DefaultPath());
    if (!instance.TryAcquire())
        return 0;

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
    driver = std::make_unique<BatchDriver>(mainWindow, queue, runner, tracker, options,
                                           BatchServices{pump, directories, folders, sounds},
                                           BatchProgram{programFolder.toStdString(), {}, PathStyle::Posix});

    mainWindow.Form_Load();
    mainWindow.show();
    return QApplication::exec();
}
