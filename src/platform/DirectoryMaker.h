#pragma once

#include <string>

namespace tavoclip {

// Creates one directory level. False when it was not created (it exists
// already, its parent is missing, or access is denied).
class DirectoryMaker {
public:
    virtual ~DirectoryMaker() = default;
    virtual bool MakeDirectory(const std::string& path) = 0;
};

}  // namespace tavoclip
