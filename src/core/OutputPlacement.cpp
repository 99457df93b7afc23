#include "OutputPlacement.h"

namespace tavoclip {

std::string OutputFolderFor(const std::string& outputFolder, const SourceEntry& entry, bool keepFolders,
                            PathStyle style)
{
    if (!keepFolders || entry.root.empty()) return outputFolder;
    const char separator = PathSeparator(style);
    // The folder search names every file as the folder's text, a separator
    // and the path below it (a root that ends in a separator gets another).
    const std::string prefix = entry.root + separator;
    if (!entry.path.starts_with(prefix)) return outputFolder;
    const std::string below = entry.path.substr(prefix.size());
    const std::size_t last = below.rfind(separator);
    if (last == std::string::npos || last == 0) return outputFolder;
    std::string folder = outputFolder;
    if (folder.empty() || folder.back() != separator) folder += separator;
    return folder + below.substr(0, last);
}

std::vector<std::string> FoldersBelow(const std::string& outputFolder, const std::string& folder, PathStyle style)
{
    std::vector<std::string> folders;
    if (folder.size() <= outputFolder.size() || !folder.starts_with(outputFolder)) return folders;
    const char separator = PathSeparator(style);
    for (std::size_t at = folder.find(separator, outputFolder.size() + 1); at != std::string::npos;
         at = folder.find(separator, at + 1)) {
        folders.push_back(folder.substr(0, at));
    }
    folders.push_back(folder);
    return folders;
}

}  // namespace tavoclip
