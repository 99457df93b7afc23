#pragma once

#include "DirectoryMaker.h"

namespace tavoclip {

// Creates directories with std::filesystem, one level at a time.
class FileSystemDirectoryMaker final : public DirectoryMaker {
public:
    bool MakeDirectory(const std::string& path) override;
};

}  // namespace tavoclip
