#pragma once

#include "ProcessLauncher.h"

namespace tavoclip {

struct LaunchOptions {
    // On Linux the child gets SIGTERM when this process dies, however it
    // dies (even by SIGKILL), so no converter outlives a command-line batch.
    // The window does not ask for it: a converter it started finishes the
    // file in hand after the window has gone.
    bool endWithParent = false;
};

// Starts children with QProcess: channels merged, standard input on the null
// device.
class QtProcessLauncher final : public ProcessLauncher {
public:
    explicit QtProcessLauncher(LaunchOptions options = {}) : options_(options) {}
    LaunchResult Launch(const std::vector<std::string>& arguments) override;

private:
    LaunchOptions options_;
};

}  // namespace tavoclip
