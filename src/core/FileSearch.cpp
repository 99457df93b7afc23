#include "FileSearch.h"

#include "ConverterTemporaryName.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace tavoclip {
namespace {

namespace fs = std::filesystem;

constexpr char kSeparator = '/';

struct Listing {
    std::vector<std::string> files;
    std::vector<std::string> folders;
};

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    const auto lower = [](unsigned char c) { return std::tolower(c); };
    const bool less = std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return lower(x) < lower(y); });
    const bool greater = std::lexicographical_compare(
        b.begin(), b.end(), a.begin(), a.end(), [&](char x, char y) { return lower(x) < lower(y); });
    return less || (!greater && a < b);  // names that differ only in case: a fixed order all the same
}

// One directory's names, split into files and real folders. Symbolic links
// are judged by the link itself: a link to a folder is skipped, a link to a
// file is a file.
Listing ListFolder(const std::string& folder, const std::function<void()>& afterEach)
{
    Listing listing;
    std::error_code error;
    fs::directory_iterator it(fs::path(folder), fs::directory_options::skip_permission_denied, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code statusError;
        if (IsConverterTemporaryName(name)) {
            // A killed converter's half-written output: neither a source nor
            // a folder to search.
        } else if (it->is_symlink(statusError)) {
            if (!it->is_directory(statusError)) listing.files.push_back(name);
        } else if (it->is_directory(statusError)) {
            listing.folders.push_back(name);
        } else {
            listing.files.push_back(name);
        }
        if (afterEach) afterEach();
    }
    std::sort(listing.files.begin(), listing.files.end(), LessIgnoringCase);
    std::sort(listing.folders.begin(), listing.folders.end(), LessIgnoringCase);
    return listing;
}

}  // namespace

void SearchFiles(const std::string& folder, std::vector<std::string>& target,
                 const std::function<void()>& afterEach)
{
    const Listing listing = ListFolder(folder, afterEach);
    const std::string prefix = folder + kSeparator;
    for (const std::string& name : listing.files) target.push_back(prefix + name);
    for (const std::string& name : listing.folders) SearchFiles(prefix + name, target, afterEach);
}

}  // namespace tavoclip
