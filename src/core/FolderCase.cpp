#include "FolderCase.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

#include "ConverterTemporaryName.h"

namespace tavoclip {
namespace {

namespace fs = std::filesystem;

// How many entries are looked at for one with a letter in its name; a huge
// folder is not listed whole.
constexpr int kEntriesLookedAt = 32;

std::string SwapCase(std::string name)
{
    for (char& c : name) {
        const auto letter = static_cast<unsigned char>(c);
        if (std::islower(letter)) c = static_cast<char>(std::toupper(letter));
        else if (std::isupper(letter)) c = static_cast<char>(std::tolower(letter));
    }
    return name;
}

// Whether folder lists an entry spelled exactly name.
bool Lists(const fs::path& folder, const std::string& name)
{
    std::error_code error;
    for (fs::directory_iterator it(folder, error); !error && it != fs::directory_iterator(); it.increment(error))
        if (it->path().filename().string() == name) return true;
    return false;
}

// Looks up name in folder under its swapped spelling: true when that finds
// the same entry, false when it finds nothing or another entry, nullopt when
// the name has no letter to swap. Some file systems (FUSE ones among them)
// give one file a new inode number per spelling; there a swapped spelling
// that is found but not listed is the same entry too.
std::optional<bool> SameUnderOtherCase(const fs::path& folder, const std::string& name)
{
    const std::string swapped = SwapCase(name);
    if (swapped == name) return std::nullopt;
    struct stat original {};
    struct stat other {};
    if (::lstat((folder / name).c_str(), &original) != 0) return std::nullopt;
    if (::lstat((folder / swapped).c_str(), &other) != 0) return false;
    if (original.st_dev == other.st_dev && original.st_ino == other.st_ino) return true;
    return !Lists(folder, swapped);
}

std::optional<bool> AskAnExistingEntry(const fs::path& folder)
{
    std::error_code error;
    fs::directory_iterator it(folder, error);
    for (int looked = 0; !error && it != fs::directory_iterator() && looked < kEntriesLookedAt;
         it.increment(error), ++looked) {
        if (const auto answer = SameUnderOtherCase(folder, it->path().filename().string())) return answer;
    }
    return std::nullopt;
}

// A private folder of the converter's kind (which a folder search skips),
// removed again at once.
bool AskAFolderOfOurOwn(const fs::path& folder)
{
    std::string pattern = (folder / (std::string(kConverterTemporaryPrefix) + "XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) return false;
    const std::string name = fs::path(pattern).filename().string();
    const bool ignores = SameUnderOtherCase(folder, name).value_or(false);
    ::rmdir(pattern.c_str());
    return ignores;
}

}  // namespace

std::string FoldCase(std::string name)
{
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

bool FolderIgnoresCase(const std::string& folder)
{
    std::error_code error;
    fs::path existing = fs::absolute(fs::path(folder), error).lexically_normal();
    while (!fs::is_directory(existing, error) && existing.has_relative_path()) existing = existing.parent_path();
    if (const auto answer = AskAnExistingEntry(existing)) return *answer;
    return AskAFolderOfOurOwn(existing);
}

}  // namespace tavoclip
