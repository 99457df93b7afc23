#pragma once

#include <string_view>

namespace tavoclip {

// The converter writes each output inside a private folder of its own, made
// beside the final output, whose name starts with this prefix (and ends in
// six random characters). A converter that is killed leaves the folder
// behind; the name tells the folder search that it holds no source.
inline constexpr std::string_view kConverterTemporaryPrefix = ".tavoclip-tmp-";

inline bool IsConverterTemporaryName(std::string_view name) { return name.starts_with(kConverterTemporaryPrefix); }

}  // namespace tavoclip
