#pragma once

#include <optional>
#include <string>

#include <QString>

#include "SourceInfo.h"

namespace tavoclip {

struct ProbeResult {
    std::optional<SourceInfo> info;
    std::string error;  // why the source cannot be read, when info is empty
};

// Asks ffprobe what the source holds. A source ffprobe cannot read, or that
// keeps it busy longer than timeoutMs, gives an error instead of a hang.
ProbeResult ProbeSource(const QString& ffprobe, const std::string& sourcePath, int timeoutMs = 20000);

}  // namespace tavoclip
