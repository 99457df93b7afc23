#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ChildProcess.h"

namespace tavoclip {

enum class LaunchFailure { None,
                           NotStarted };

struct LaunchResult {
    std::unique_ptr<ChildProcess> child;  // set exactly when failure is None
    LaunchFailure failure = LaunchFailure::None;
};

// Starts a child from an argument vector (the program first, each argument
// passed as it is, no shell): output and errors merged into one pipe,
// standard input closed, no console window, environment and current folder
// inherited.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    virtual LaunchResult Launch(const std::vector<std::string>& arguments) = 0;
};

}  // namespace tavoclip
