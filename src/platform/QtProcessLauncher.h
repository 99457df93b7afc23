#pragma once

#include "ProcessLauncher.h"

namespace tavoclip {

// Starts children with QProcess: channels merged, standard input on the null
// device, no console window on Windows.
class QtProcessLauncher final : public ProcessLauncher {
public:
    LaunchResult Launch(const std::vector<std::string>& arguments) override;
};

}  // namespace tavoclip
