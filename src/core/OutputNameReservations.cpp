#include "OutputNameReservations.h"

#include <filesystem>
#include <optional>
#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace tavoclip {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr const char* kSeparators = "\\/";
#else
constexpr const char* kSeparators = "/";
#endif

// The path made absolute and normalised without touching the disk.
std::string Spelling(const std::string& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(path), error);
    return (error ? fs::path(path) : absolute).lexically_normal().string();
}

// The spelling with symbolic links resolved as far as the path exists, so
// "link/x.mp4" and "target/x.mp4" meet even before x.mp4 is written.
std::string ResolvedSpelling(const std::string& path) {
    std::error_code error;
    const fs::path resolved = fs::weakly_canonical(fs::path(Spelling(path)), error);
    return error ? Spelling(path) : resolved.string();
}

// Device and inode of an existing file (links followed); nullopt when the
// file does not exist.
std::optional<std::pair<std::uintmax_t, std::uintmax_t>> IdentityOf(const std::string& path) {
#ifdef _WIN32
    (void)path;
    return std::nullopt;  // spellings alone there
#else
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return std::pair<std::uintmax_t, std::uintmax_t>(info.st_dev, info.st_ino);
#endif
}

}  // namespace

std::string NumberedName(const std::string& wanted, int number) {
    const std::size_t separator = wanted.find_last_of(kSeparators);
    const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    std::size_t dot = wanted.rfind('.');
    if (dot == std::string::npos || dot < nameStart) dot = wanted.size();
    return wanted.substr(0, dot) + " (" + std::to_string(number) + ")" + wanted.substr(dot);
}

void OutputNameReservations::AddSource(const std::string& path) {
    sourceSpellings_.insert(Spelling(path));
    if (const auto identity = IdentityOf(path)) sourceIdentities_.insert(*identity);
}

bool OutputNameReservations::IsTaken(const std::string& path) const {
    if (sourceSpellings_.contains(Spelling(path))) return true;
    if (reservedOutputs_.contains(ResolvedSpelling(path))) return true;
    const auto identity = IdentityOf(path);
    return identity && sourceIdentities_.contains(*identity);
}

std::string OutputNameReservations::Reserve(const std::string& wanted) {
    std::string name = wanted;
    for (int number = 2; IsTaken(name); ++number) name = NumberedName(wanted, number);
    reservedOutputs_.insert(ResolvedSpelling(name));
    return name;
}

}  // namespace tavoclip
