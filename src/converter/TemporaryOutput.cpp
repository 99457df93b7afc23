#include "TemporaryOutput.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ConverterTemporaryName.h"

namespace tavoclip {
namespace fs = std::filesystem;
namespace {

// What a file created by open() would get: 0666 without the process umask.
mode_t NewFilePermissions() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string FolderOf(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// "output" and the final name's extension, which tells FFmpeg nothing it is
// not told otherwise but keeps the file recognisable; the final name itself
// may be any bytes, and FFmpeg never sees it.
std::string InnerFileName(const std::string& finalPath) {
    const std::string extension = fs::path(finalPath).extension().string();
    for (const char c : extension.substr(extension.empty() ? 0 : 1))
        if (!std::isalnum(static_cast<unsigned char>(c))) return "output";
    return "output" + extension;
}

// The names inside a folder given by descriptor, without "." and "..".
std::vector<std::string> EntriesOf(int folderFd) {
    std::vector<std::string> names;
    const int listing = ::dup(folderFd);
    if (listing < 0) return names;
    DIR* dir = ::fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return names;
    }
    ::rewinddir(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

}  // namespace

TemporaryOutput::TemporaryOutput(std::string finalPath)
    : finalPath_(std::move(finalPath)), fileName_(InnerFileName(finalPath_)) {}

TemporaryOutput::~TemporaryOutput() {
    Close();
    RemoveFolder();
}

bool TemporaryOutput::Fail(const std::string& what) {
    error_ = what + std::strerror(errno);
    return false;
}

bool TemporaryOutput::Create() {
    std::string folderTemplate = FolderOf(finalPath_) + "/" + std::string(kConverterTemporaryPrefix) + "XXXXXX";
    if (!::mkdtemp(folderTemplate.data())) return Fail("");
    folderPath_ = folderTemplate;
    // Not close-on-exec: FFmpeg reaches the folder through this descriptor.
    folderFd_ = ::open(folderPath_.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (folderFd_ < 0) return Fail("the temporary folder could not be opened: ");
    struct stat info {};
    // Between mkdtemp and open the name could have been given to another
    // folder; only one that is ours and private to us is used.
    if (::fstat(folderFd_, &info) != 0) return Fail("");
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid() || (info.st_mode & 077) != 0) {
        ::close(folderFd_);
        folderFd_ = -1;
        error_ = "the temporary folder " + folderPath_ + " was replaced by another";
        return false;
    }
    fileFd_ = ::openat(folderFd_, fileName_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fileFd_ < 0) return Fail("");
    writer_ = std::make_unique<DescriptorWriter>(fileFd_);
    return writer_->open(QIODevice::WriteOnly);
}

std::string TemporaryOutput::PathOf(const std::string& name) const {
    return "/proc/self/fd/" + std::to_string(folderFd_) + "/" + name;
}

std::string TemporaryOutput::path() const { return PathOf(fileName_); }

bool TemporaryOutput::Link(const std::string& name, const std::string& target) {
    if (::symlinkat(target.c_str(), folderFd_, name.c_str()) != 0) return Fail("");
    return true;
}

bool TemporaryOutput::Close() {
    if (writer_) writer_->close();
    if (fileFd_ < 0) return true;
    const int result = ::close(std::exchange(fileFd_, -1));
    return result == 0 || Fail("");
}

bool TemporaryOutput::Truncate() {
    if (fileFd_ < 0 || ::ftruncate(fileFd_, 0) != 0 || ::lseek(fileFd_, 0, SEEK_SET) != 0) return Fail("");
    return true;
}

long long TemporaryOutput::Size() const {
    struct stat info {};
    if (folderFd_ < 0 || ::fstatat(folderFd_, fileName_.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return 0;
    return S_ISREG(info.st_mode) ? static_cast<long long>(info.st_size) : 0;
}

// Set through the private folder's descriptor, like everything else here.
bool TemporaryOutput::SetModificationTime(const timespec& time) {
    const timespec times[2] = {{0, UTIME_OMIT}, time};
    if (folderFd_ < 0 || ::utimensat(folderFd_, fileName_.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) return Fail("");
    return true;
}

std::string TemporaryOutput::Commit() {
    if (!Close()) return "could not write the output: " + error_;
    struct stat existing {};
    const mode_t mode = ::stat(finalPath_.c_str(), &existing) == 0 ? (existing.st_mode & 0777) : NewFilePermissions();
    // The mode is set on the file itself, opened inside the private folder,
    // never through a name another user could have replaced.
    const int fd = ::openat(folderFd_, fileName_.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 || ::fchmod(fd, mode) != 0) {
        Fail("could not give the output its permissions: ");
        if (fd >= 0) ::close(fd);
        return error_;
    }
    ::close(fd);
    // rename() replaces a link at the final name rather than writing through it.
    if (::renameat(folderFd_, fileName_.c_str(), AT_FDCWD, finalPath_.c_str()) != 0) {
        Fail("could not move the finished output into place: ");
        return error_;
    }
    RemoveFolder();
    return {};
}

// Empties the private folder through its descriptor, then removes it by name
// only while that name still refers to it.
void TemporaryOutput::RemoveFolder() {
    if (folderFd_ < 0) return;
    for (const std::string& name : EntriesOf(folderFd_)) {
        if (::unlinkat(folderFd_, name.c_str(), 0) != 0 && errno == EISDIR)
            ::unlinkat(folderFd_, name.c_str(), AT_REMOVEDIR);
    }
    struct stat ours {};
    struct stat named {};
    if (::fstat(folderFd_, &ours) == 0 && ::lstat(folderPath_.c_str(), &named) == 0 && S_ISDIR(named.st_mode) &&
        named.st_dev == ours.st_dev && named.st_ino == ours.st_ino)
        ::rmdir(folderPath_.c_str());
    ::close(std::exchange(folderFd_, -1));
}

}  // namespace tavoclip
