#pragma once

#include <map>
#include <string>
#include <vector>

#include "OutputContainer.h"

namespace tavoclip {

// FFmpeg's output options that carry the source's tags and chapters into a
// container of this kind, given the source's own tags.
std::vector<std::string> TagArguments(const OutputContainer& container,
                                      const std::map<std::string, std::string>& tags);

}  // namespace tavoclip
