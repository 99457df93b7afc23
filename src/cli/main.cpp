#include <QCoreApplication>

#include <cstdio>

#include "HeadlessBatch.h"
#include "RawText.h"
#include "TranslationLoader.h"

#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("tavoclip-batch");
    QCoreApplication::setApplicationVersion(TAVOCLIP_VERSION);
    tavoclip::TranslationLoader::Install(app, tavoclip::TranslationLoader::DefaultFolder());
    tavoclip::HeadlessBatch batch(stdout, stderr, isatty(fileno(stdout)) != 0);
    // From argv itself: QCoreApplication::arguments() would already have
    // replaced the bytes of a name that is not valid UTF-8.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << tavoclip::DecodeRawText(argv[i]);
    return batch.Run(arguments);
}
