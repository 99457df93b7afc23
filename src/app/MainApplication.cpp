#include "MainApplication.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>

#include <cstdio>

#include "BringToFront.h"
#include "DesktopIdentity.h"
#include "ProgramPaths.h"
#include "TempFileCleanup.h"
#include "frmMenu.h"
#include "frmOptions.h"
#include "frmSuggest.h"

namespace tavoclip {
namespace {

// The private folder is looked up when the program ends, so a folder that
// changed hands while the program ran is judged as it is then.
void RemoveTempFiles()
{
    TempFileCleanup(TempFileCleanup::DefaultPaths(), [] { QCoreApplication::processEvents(); }).Run();
}

// The largest "Convert at Once" choice: 4 files or one per core.
std::vector<std::unique_ptr<DOSOutputs>> MakeRunners(ProcessLauncher& launcher, MessageSink& messages)
{
    std::vector<std::unique_ptr<DOSOutputs>> runners;
    const int count = std::max(4, QThread::idealThreadCount());
    for (int i = 0; i < count; ++i)
        runners.push_back(std::make_unique<DOSOutputs>(launcher, messages));
    return runners;
}

std::vector<DOSOutputs*> Pointers(const std::vector<std::unique_ptr<DOSOutputs>>& runners)
{
    std::vector<DOSOutputs*> pointers;
    for (const auto& runner : runners)
        pointers.push_back(runner.get());
    return pointers;
}

}  // namespace

MainApplication::MainApplication(const QString& programFolder)
    : programFolder_(programFolder),
      settings_(ProgramPaths::ForCurrentUser(programFolder)),
      conf_(settings_.paths().settingsFolder()),
      keepFolders_(conf_.KeepFolders()),
      filesAtOnce_(conf_.FilesAtOnce()),
      window_(MainWindowParts{programFolder, QStringLiteral(TAVOCLIP_VERSION), settings_, options_, queue_, *this,
                              desktop_, messages_, RemoveTempFiles,
                              // A converter still running goes on by itself
                              // and finishes its file; the dock shows no
                              // batch once the program is gone.
                              [this] {
                                  dock_.BatchOver();
                                  QCoreApplication::quit();
                              }}),
      comdlg_(fileDialogs_, COMDLG::DefaultStartFolder()),
      sourceActions_(queue_, pump_, comdlg_, window_.ListControls(), [this] { return window_.DefaultOutputFolder(); }),
      runners_(MakeRunners(launcher_, window_)),
      launcherEntry_(QStringLiteral(TAVOCLIP_DESKTOP_ID)),
      dock_(queue_, launcherEntry_),
      driver_(window_, queue_, Pointers(runners_), options_, BatchServices{pump_, directories_, folders_, sounds_},
              BatchProgram{programFolder.toStdString(), {}}),
      handOver_(LaunchArgumentServer::DefaultPath(), [this](const QList<QByteArray>& paths) {
          BringToFront(window_);
          AppendLaunchPaths(paths);
      })
{
    DesktopIdentity::Apply(QStringLiteral(TAVOCLIP_DESKTOP_ID), programFolder);
    messages_.SetParent(&window_);
    desktop_.SetDialogParent(&window_);
    ConnectBatch();
}

// The window shows the batch's progress and the dock its share of the whole;
// the window's selections and folder text go to the driver as they change.
void MainApplication::ConnectBatch()
{
    driver_.SetDefaultOutputFolder(window_.DefaultOutputFolder().toStdString());
    // The window never replaces an existing file.
    driver_.SetOutputPlacement({false, keepFolders_});
    driver_.SetRunnersInUse(static_cast<std::size_t>(filesAtOnce_));
    window_.Follow(driver_);
    dock_.Follow(driver_);
    overview_ = new BatchOverview(window_, queue_, window_.ListModel());
    overview_->Follow(driver_);
    // The display empties as the batch ends, before any failure box.
    QObject::connect(&driver_, &BatchDriver::progressCleared, &window_,
                     [this](const std::string& caption) { NotifyBatchEnd(!caption.empty()); });
    QObject::connect(&window_, &frmMain::batchSettingsChanged, &driver_,
                     [this] { driver_.SetSettings(window_.CurrentBatchSettings()); });
}

void MainApplication::NotifyBatchEnd(bool finished)
{
    if (window_.isActiveWindow())
        return;
    const std::string& folder = driver_.settings().outputFolder;
    notifier_.Notify(finished ? tr("Conversion finished") : tr("Conversion stopped"),
                     tr("%1 converted, %2 failed.").arg(driver_.convertedCount()).arg(driver_.failures().size()),
                     folder.empty() ? window_.DefaultOutputFolder().toStdString() : folder);
}

void MainApplication::Show(const QList<QByteArray>& launchPaths)
{
    window_.Form_Load();
    window_.Menus().AddFilesAtOnce(filesAtOnce_, [this](int files) { SetFilesAtOnce(files); });
    driver_.SetSettings(window_.CurrentBatchSettings());
    window_.show();
    if (!handOver_.Listen())
        std::fprintf(stderr, "tavoclip: %s: %s\n", qPrintable(tr("later launches cannot hand files over")),
                     qPrintable(handOver_.errorText()));
    AppendLaunchPaths(launchPaths);
}

// Each opening builds a fresh form from the current options and drops it
// when it closes.
void MainApplication::ShowOptions()
{
    frmOptions dialog(options_, settings_, messages_, &window_);
    dialog.exec();
}

void MainApplication::ShowFeedback()
{
    frmSuggest form(FeedbackEndpoint{}, &window_);
    form.exec();
}

// The folder structure choice is saved as soon as it changes; a save that
// fails still leaves it in force for this run.
void MainApplication::SetKeepFolders(bool on)
{
    keepFolders_ = on;
    conf_.SetKeepFolders(on);
    driver_.SetOutputPlacement({false, on});
}

// Like the folder structure choice; it applies from the next batch on.
void MainApplication::SetFilesAtOnce(int files)
{
    filesAtOnce_ = std::max(1, files);
    conf_.SetFilesAtOnce(filesAtOnce_);
    driver_.SetRunnersInUse(static_cast<std::size_t>(filesAtOnce_));
}

// Paths from a command line go into the list; what cannot go in is said in
// one message.
void MainApplication::AppendLaunchPaths(const QList<QByteArray>& paths)
{
    const QStringList refused = sourceActions_.AppendLaunchPaths(paths);
    if (refused.isEmpty())
        return;
    messages_.ShowMessage(SourceListActions::RefusedLaunchPathsMessage(refused).toStdString(), "Tavoclip",
                          MessageIcon::Exclamation);
}

}  // namespace tavoclip
