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
#include "OutputNameReservations.h"

namespace tavoclip {
namespace fs = std::filesystem;
namespace {

// How many numbered names a commit tries before it gives up.
constexpr int kMostNamesTried = 10000;

// Whether errno says the file system does not offer the call, rather than
// that the name is taken. Some FUSE file systems answer a call they lack
// with EROFS; a folder that is really read-only refuses the last way too.
bool Unsupported(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP || error == EPERM || error == EROFS;
}

// What a file created by open() would get: 0666 without the process umask.
mode_t NewFilePermissions()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string FolderOf(const std::string& path)
{
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// "output" and the final name's extension, which tells FFmpeg nothing it is
// not told otherwise but keeps the file recognisable; the final name itself
// may be any bytes, and FFmpeg never sees it.
std::string InnerFileName(const std::string& finalPath)
{
    const std::string extension = fs::path(finalPath).extension().string();
    for (const char c : extension.substr(extension.empty() ? 0 : 1))
        if (!std::isalnum(static_cast<unsigned char>(c))) return "output";
    return "output" + extension;
}

// The names inside a folder given by descriptor, without "." and "..".
std::vector<std::string> EntriesOf(int folderFd)
{
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

TemporaryOutput::~TemporaryOutput()
{
    Close();
    RemoveFolder();
}

bool TemporaryOutput::Fail(const std::string& what)
{
    error_ = what + std::strerror(errno);
    return false;
}

bool TemporaryOutput::Create()
{
    std::string folderTemplate = FolderOf(finalPath_) + "/" + std::string(kConverterTemporaryPrefix) + "XXXXXX";
    if (!::mkdtemp(folderTemplate.data())) return Fail("");
    folderPath_ = folderTemplate;
    // Not close-on-exec: FFmpeg reaches the folder through this descriptor.
    folderFd_ = ::open(folderPath_.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (folderFd_ < 0) return Fail("the temporary folder could not be opened: ");
    struct stat info {};
    // Between mkdtemp and open the name could have been given to another
    // folder; only one that is ours is used. Another user cannot make a
    // folder owned by us, so the owner tells. The mode is not asked for:
    // FAT, exFAT and SMB folders show the mount's mode (0755 and the like)
    // whatever mkdtemp asked, and a USB stick must stay a usable output
    // folder; where modes are kept, mkdtemp made it 0700.
    if (::fstat(folderFd_, &info) != 0) return Fail("");
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) {
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

std::string TemporaryOutput::PathOf(const std::string& name) const
{
    return "/proc/self/fd/" + std::to_string(folderFd_) + "/" + name;
}

std::string TemporaryOutput::path() const { return PathOf(fileName_); }

bool TemporaryOutput::Link(const std::string& name, const std::string& target)
{
    if (::symlinkat(target.c_str(), folderFd_, name.c_str()) != 0) return Fail("");
    return true;
}

bool TemporaryOutput::Close()
{
    if (writer_) writer_->close();
    if (fileFd_ < 0) return true;
    const int result = ::close(std::exchange(fileFd_, -1));
    return result == 0 || Fail("");
}

bool TemporaryOutput::Truncate()
{
    if (fileFd_ < 0 || ::ftruncate(fileFd_, 0) != 0 || ::lseek(fileFd_, 0, SEEK_SET) != 0) return Fail("");
    return true;
}

long long TemporaryOutput::Size() const
{
    struct stat info {};
    if (folderFd_ < 0 || ::fstatat(folderFd_, fileName_.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return 0;
    return S_ISREG(info.st_mode) ? static_cast<long long>(info.st_size) : 0;
}

bool TemporaryOutput::Removed() const
{
    struct stat info {};
    return folderFd_ >= 0 && ::fstat(folderFd_, &info) == 0 && info.st_nlink == 0;
}

// Set through the private folder's descriptor, like everything else here.
bool TemporaryOutput::SetModificationTime(const timespec& time)
{
    const timespec times[2] = {{0, UTIME_OMIT}, time};
    if (folderFd_ < 0 || ::utimensat(folderFd_, fileName_.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) return Fail("");
    return true;
}

std::string TemporaryOutput::Commit(bool replace)
{
    if (!Close()) return "could not write the output: " + error_;
    // The mode is set on the file itself, opened inside the private folder,
    // never through a name another user could have replaced; and it never
    // comes from whatever sits at the final name (a link there would lend
    // its target's mode).
    // FAT and exFAT give every file the mount's mode and refuse another
    // (EPERM): there the file keeps the mode the folder imposes.
    const int fd = ::openat(folderFd_, fileName_.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 || (::fchmod(fd, NewFilePermissions()) != 0 && errno != EPERM)) {
        Fail("could not give the output its permissions: ");
        if (fd >= 0) ::close(fd);
        return error_;
    }
    ::close(fd);
    std::string target = finalPath_;
    if (replace) {
        // rename() replaces a link at the final name rather than writing through it.
        if (::renameat(folderFd_, fileName_.c_str(), AT_FDCWD, target.c_str()) != 0) {
            Fail("could not move the finished output into place: ");
            return error_;
        }
    } else {
        int error = PlaceWithoutReplacing(target);
        for (int tried = 1; error == EEXIST && tried < kMostNamesTried; ++tried) {
            target = NextNumberedName(target);
            error = PlaceWithoutReplacing(target);
        }
        if (error != 0) {
            errno = error;
            Fail("could not move the finished output into place: ");
            return error_;
        }
    }
    committedPath_ = target;
    RemoveFolder();
    return {};
}

// Gives the file the name target only if nothing has it: 0, or the errno
// (EEXIST when the name is taken). renameat2's RENAME_NOREPLACE does it in
// one step; a file system without it still makes hard links atomically (the
// private name then goes); one with neither gets the name claimed by an
// exclusive create, which the file then replaces.
int TemporaryOutput::PlaceWithoutReplacing(const std::string& target)
{
    if (::renameat2(folderFd_, fileName_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (!Unsupported(errno)) return errno;
    if (::linkat(folderFd_, fileName_.c_str(), AT_FDCWD, target.c_str(), 0) == 0) {
        ::unlinkat(folderFd_, fileName_.c_str(), 0);
        return 0;
    }
    if (!Unsupported(errno)) return errno;
    const int claim = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (claim < 0) return errno;
    ::close(claim);
    if (::renameat(folderFd_, fileName_.c_str(), AT_FDCWD, target.c_str()) == 0) return 0;
    const int error = errno;
    ::unlink(target.c_str());
    return error;
}

// Empties the private folder through its descriptor, then removes it by name
// only while that name still refers to it.
void TemporaryOutput::RemoveFolder()
{
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
