// A stand-in for the converter in tests. It takes the converter's own
// command line, reads the file given after -i as a script of steps, runs
// them in order and writes the output file (the last argument) unless told
// not to. Steps, one per line:
//   print TEXT     TEXT and a line end, flushed at once
//   bytes N        N bytes in one write
//   sleep MS       pause
//   waitfor PATH   wait until PATH exists: a gate the test opens
//   pid PATH       write the process id to PATH
//   onterm         end with status 143 on SIGTERM, as a converter that
//                  cleans up does (so a held process keeps the signal pending)
//   exit N         end with status N (after writing the output)
//   nooutput       do not write the output file
//   crash          end by abort()
// Every run appends "SOURCE -> OUTPUT" to the file named by FAKECONV_LOG,
// and "+ SOURCE" when it begins and "- SOURCE" as it ends to the file named
// by FAKECONV_EVENTS, so a test can tell how many ran at once.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {

std::string Source(const std::vector<std::string>& args)
{
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "-i") return args[i + 1];
    }
    return {};
}

void Log(const std::string& source, const std::string& output)
{
    const char* log = std::getenv("FAKECONV_LOG");
    if (log != nullptr) std::ofstream(log, std::ios::app) << source << " -> " << output << "\n";
}

void Event(char sign, const std::string& source)
{
    const char* events = std::getenv("FAKECONV_EVENTS");
    if (events != nullptr) std::ofstream(events, std::ios::app) << sign << ' ' << source << "\n"
                                                                << std::flush;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::string source = Source(args);
    const std::string output = args.empty() ? std::string() : args.back();
    Log(source, output);
    Event('+', source);

    std::ifstream script(source);
    int status = 0;
    bool writeOutput = true;
    for (std::string line; std::getline(script, line);) {
        std::istringstream words(line);
        std::string step;
        words >> step;
        std::string rest;
        std::getline(words >> std::ws, rest);
        if (step == "print") {
            std::cout << rest << std::endl;
        } else if (step == "bytes") {
            std::cout << std::string(std::stoul(rest), 'x') << std::flush;
        } else if (step == "sleep") {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::stoi(rest)));
        } else if (step == "waitfor") {
            while (!std::ifstream(rest).good()) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        } else if (step == "onterm") {
            std::signal(SIGTERM, [](int) { ::_exit(128 + SIGTERM); });
        } else if (step == "pid") {
            std::ofstream(rest) << ::getpid() << "\n";
        } else if (step == "exit") {
            status = std::stoi(rest);
        } else if (step == "nooutput") {
            writeOutput = false;
        } else if (step == "crash") {
            std::abort();
        }
    }
    if (writeOutput && !output.empty()) std::ofstream(output) << "converted " << source << "\n";
    Event('-', source);
    return status;
}
