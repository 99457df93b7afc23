#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tavoclip {

// Appends to target the full path of every file below folder: first the
// folder's own files, then everything below each of its subfolders in turn,
// depth first. Each listing is sorted by name without regard to letter case,
// so the order is the same on every file system. Paths are the folder text, a
// separator and the name, used as they are (a drive root's trailing separator
// is kept). Every subfolder is searched, however many a folder holds.
// Entries named like the converter's temporary folder
// (ConverterTemporaryName.h) are skipped: what a killed converter left is
// never a source. Symbolic links to folders are neither searched nor listed,
// so a link back into the tree cannot make the search run forever. A folder
// that cannot be listed contributes nothing. afterEach runs after every
// listing entry; the window lets its events run there.
void SearchFiles(const std::string& folder, std::vector<std::string>& target,
                 const std::function<void()>& afterEach = {});

}  // namespace tavoclip
