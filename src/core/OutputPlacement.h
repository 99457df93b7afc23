#pragma once

#include <string>
#include <vector>

#include "ConverterCommand.h"
#include "SourceQueue.h"

namespace tavoclip {

// Where a batch puts its outputs, beyond the output folder itself.
struct OutputPlacement {
    // A name already in the output folder is replaced rather than kept
    // (tavoclip-batch --overwrite); never a source nor an earlier output of
    // the same batch.
    bool replaceExisting = false;
    // A file found in an added folder goes below the output folder at its
    // path relative to that folder; files added one by one go to the output
    // folder itself.
    bool keepFolders = false;
};

// The folder entry's output goes to: outputFolder, or with keepFolders the
// subfolder of it that mirrors where the source lies below the folder it was
// found in ("Trip/day1/clip.flv" found in "Trip" -> outputFolder/day1). The
// subfolder names are the source's own, unchanged.
std::string OutputFolderFor(const std::string& outputFolder, const SourceEntry& entry, bool keepFolders,
                            PathStyle style);

// The folders below outputFolder that folder needs, outermost first:
// "out", "out/a/b" -> {"out/a", "out/a/b"}; none when folder is outputFolder.
std::vector<std::string> FoldersBelow(const std::string& outputFolder, const std::string& folder, PathStyle style);

}  // namespace tavoclip
