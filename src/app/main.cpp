#include <QApplication>

#include <cstdio>

#include "LaunchArgumentClient.h"
#include "LaunchArgumentServer.h"
#include "LaunchArguments.h"
#include "MainApplication.h"
#include "SingleInstanceLock.h"
#include "TranslationLoader.h"

using namespace tavoclip;

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

    MainApplication tavoclip(QCoreApplication::applicationDirPath());
    tavoclip.Show(launchPaths);
    return QApplication::exec();
}
