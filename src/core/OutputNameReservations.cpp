#include "OutputNameReservations.h"

#include "FolderCase.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include <sys/stat.h>

namespace tavoclip {
namespace {

namespace fs = std::filesystem;

constexpr char kSeparator = '/';

// Whether an absolute path is already in its lexically normal form, which
// saves the normalisation for the usual case (paths from a folder search).
bool LooksNormal(std::string_view path)
{
    if (!path.starts_with('/') || path.ends_with('/') || path.ends_with("/.") || path.ends_with("/..")) return false;
    return path.find("//") == std::string_view::npos && path.find("/./") == std::string_view::npos &&
           path.find("/../") == std::string_view::npos;
}

// The path made absolute and normalised without touching the disk.
std::string Spelling(const std::string& path)
{
    if (LooksNormal(path)) return path;
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(path), error);
    return (error ? fs::path(path) : absolute).lexically_normal().string();
}

// Device and inode of an existing file (links followed); nullopt when the
// file does not exist.
std::optional<std::pair<std::uintmax_t, std::uintmax_t>> IdentityOf(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return std::pair<std::uintmax_t, std::uintmax_t>(info.st_dev, info.st_ino);
}

// Whether anything at all has the name, a dangling link included; with
// replacing, only what no file may replace: a folder.
bool NameTaken(const std::string& path, bool replacing)
{
    std::error_code error;
    const fs::file_status status = fs::symlink_status(fs::path(path), error);
    return replacing ? fs::is_directory(status) : fs::exists(status);
}

}  // namespace

std::string NumberedName(const std::string& wanted, int number)
{
    const std::size_t separator = wanted.rfind(kSeparator);
    const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    std::size_t dot = wanted.rfind('.');
    if (dot == std::string::npos || dot < nameStart) dot = wanted.size();
    return wanted.substr(0, dot) + " (" + std::to_string(number) + ")" + wanted.substr(dot);
}

std::string NextNumberedName(const std::string& path)
{
    const std::size_t separator = path.rfind(kSeparator);
    const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < nameStart) dot = path.size();
    // " (n)" right before the extension, n a number from 2 up.
    const std::size_t open = path.rfind(" (", dot);
    if (open != std::string::npos && open >= nameStart && dot > open + 3 && path[dot - 1] == ')') {
        const std::string digits = path.substr(open + 2, dot - 1 - (open + 2));
        const bool number = digits.size() <= 9 && digits.find_first_not_of("0123456789") == std::string::npos &&
                            digits.front() != '0';
        if (number && std::stoi(digits) >= 2)
            return path.substr(0, open) + " (" + std::to_string(std::stoi(digits) + 1) + ")" + path.substr(dot);
    }
    return NumberedName(path, 2);
}

// The spelling with symbolic links in its folder resolved as far as the
// folder exists, so "link/x.mp4" and "target/x.mp4" meet even before x.mp4
// is written. Folders are resolved once each: a batch puts many files into
// few folders.
std::string OutputNameReservations::ResolvedSpelling(const std::string& path) const
{
    const fs::path spelled(Spelling(path));
    const std::string folder = spelled.parent_path().string();
    auto known = resolvedFolders_.find(folder);
    if (known == resolvedFolders_.end()) {
        std::error_code error;
        const fs::path resolved = fs::weakly_canonical(spelled.parent_path(), error);
        known = resolvedFolders_.emplace(folder, error ? folder : resolved.string()).first;
    }
    return (fs::path(known->second) / spelled.filename()).string();
}

// The source's identity is looked up only once an existing file has to be
// compared with the sources: a fresh output folder then costs no look-up of
// the (possibly very many) sources at all.
void OutputNameReservations::AddSource(const std::string& path)
{
    sourceSpellings_.insert(Spelling(path));
    sourcesWithoutIdentity_.push_back(path);
}

// Folders are asked once each; a folder created later in the batch (kept
// folder structure) is asked through its nearest existing parent.
std::string OutputNameReservations::OutputKey(const std::string& path) const
{
    const std::string resolved = ResolvedSpelling(path);
    const std::string folder = fs::path(resolved).parent_path().string();
    auto known = foldingFolders_.find(folder);
    if (known == foldingFolders_.end()) known = foldingFolders_.emplace(folder, FolderIgnoresCase(folder)).first;
    return known->second ? FoldCase(resolved) : resolved;
}

bool OutputNameReservations::IsTaken(const std::string& path) const
{
    if (sourceSpellings_.contains(Spelling(path))) return true;
    if (reservedOutputs_.contains(OutputKey(path))) return true;
    if (NameTaken(path, replaceExisting_)) return true;
    const auto identity = IdentityOf(path);
    if (!identity) return false;
    for (const std::string& source : sourcesWithoutIdentity_) {
        if (const auto sourceIdentity = IdentityOf(source)) sourceIdentities_.insert(*sourceIdentity);
    }
    sourcesWithoutIdentity_.clear();
    return sourceIdentities_.contains(*identity);
}

// Names are only ever taken, never given back, so the search for a wanted
// name goes on from the number where the last one for it stopped.
std::string OutputNameReservations::Reserve(const std::string& wanted)
{
    int& last = lastNumber_[OutputKey(wanted)];
    last = std::max(last, 1);
    std::string name = last == 1 ? wanted : NumberedName(wanted, last);
    while (IsTaken(name)) name = NumberedName(wanted, ++last);
    reservedOutputs_.insert(OutputKey(name));
    return name;
}

}  // namespace tavoclip
