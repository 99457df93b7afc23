#pragma once

#include "FolderOpener.h"

namespace tavoclip {

// The console command never opens a file manager at the end of a batch.
class NullFolderOpener final : public FolderOpener {
public:
    bool OpenFolder(const std::string&) override { return false; }
};

}  // namespace tavoclip
