#include "FileSystemDirectoryMaker.h"

#include <filesystem>
#include <system_error>

namespace tavoclip {

bool FileSystemDirectoryMaker::MakeDirectory(const std::string& path)
{
    if (path.empty()) return false;
    std::error_code error;
    return std::filesystem::create_directory(std::filesystem::path(path), error);
}

}  // namespace tavoclip
