#include <QCoreApplication>

#include <cstdio>

#include "HeadlessBatch.h"

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("tavoclip-batch");
    QCoreApplication::setApplicationVersion(TAVOCLIP_VERSION);
    tavoclip::HeadlessBatch batch(stdout, stderr, isatty(fileno(stdout)) != 0);
    return batch.Run(QCoreApplication::arguments());
}
