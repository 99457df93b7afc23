#pragma once

#include <string>

namespace tavoclip {

// Whether the folder compares names without regard to letter case (FAT,
// exFAT, SMB shares, ext4 folders with casefold), found by asking the folder
// itself rather than by the file system's type: a name in it is looked up
// with its letters' case swapped. A folder that does not exist yet answers
// as its nearest existing parent does, since a new folder takes its parent's
// rule. The probe reads an existing entry when it can; only a folder without
// one gets a private folder made and removed again. False when it cannot
// tell (the folder cannot be read or written).
bool FolderIgnoresCase(const std::string& folder);

// name with the case of its ASCII letters folded to lower case.
std::string FoldCase(std::string name);

}  // namespace tavoclip
