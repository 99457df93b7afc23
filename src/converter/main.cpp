#include <cstdio>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "ConsoleOutput.h"
#include "ConvProgram.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // The raw bytes of each argument: paths reach the file system unchanged.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    tavoclip::ConsoleOutput console(stdout, stderr);
    tavoclip::ConvProgram program(console, QCoreApplication::applicationDirPath(), TAVOCLIP_VERSION);
    return static_cast<int>(program.Run(arguments));
}
