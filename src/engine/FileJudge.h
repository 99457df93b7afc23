#pragma once

#include <string>

#include "BatchView.h"

namespace tavoclip {

// Whether one file converted, from what its converter left: it did when the
// converter exited with status 0 (-1: killed or crashed) and left a non-empty
// output file. A failure's reason ends with the converter's last line, which
// states its cause.
FileOutcome JudgeFile(const std::string& source, const std::string& output, int exitStatus,
                      const std::string& converterOutput);

}  // namespace tavoclip
