#pragma once

#include <memory>
#include <string>

#include <time.h>

#include "DescriptorWriter.h"

namespace tavoclip {

// Where a conversion writes before it succeeds: a private folder (mode 0700,
// made with mkdtemp beside the final output, named with
// kConverterTemporaryPrefix) holding one file. Commit moves the file to the
// final name; otherwise the folder and its file are removed. So a failed
// or interrupted conversion never leaves a truncated output under the final
// name and never destroys an earlier output.
//
// The output folder may be writable by others. Once made, the private folder
// is reached only through a descriptor conv holds open, never by its name in
// that folder: FFmpeg is given path(), which goes through /proc/self/fd, so
// another user who renames the folder and plants a symbolic link under its
// name redirects nothing. The descriptor is inherited by conv's children for
// that reason.
class TemporaryOutput {
public:
    explicit TemporaryOutput(std::string finalPath);
    ~TemporaryOutput();
    TemporaryOutput(const TemporaryOutput&) = delete;
    TemporaryOutput& operator=(const TemporaryOutput&) = delete;

    // Makes the folder and the empty file; false with errorText() (the
    // system's reason) when the output folder refuses them.
    bool Create();

    // The file's path for FFmpeg (and for conv itself).
    std::string path() const;

    // A path inside the private folder for another entry of conv's own.
    std::string PathOf(const std::string& name) const;

    // Makes name inside the private folder a symbolic link to target; false
    // with errorText() when that fails.
    bool Link(const std::string& name, const std::string& target);

    // The open file, for an output conv writes itself. Writes are not
    // buffered, so a failed write names the system's reason at once.
    QIODevice& device() { return *writer_; }

    std::string errorText() const { return error_; }

    // Closes the file, so that another program can write it by name; false
    // when that fails.
    bool Close();

    // Empties the file for a fresh start; false when that fails.
    bool Truncate();

    // The written size in bytes (0 when missing).
    long long Size() const;

    // Whether the private folder has been removed since Create (with the
    // output folder holding it, say): what was written there is gone.
    bool Removed() const;

    // Gives the file a modification time (the source's, so that the output
    // sorts with it); false with errorText() when that fails.
    bool SetModificationTime(const timespec& time);

    // Moves the file to the final name with the permissions an ordinary new
    // file gets from the umask, and removes the private folder. Without
    // replace, a name that is taken when the file arrives (by anything, a
    // link included) is kept, and the file takes the first free name
    // "NAME (n).EXT" after it, each tried in one atomic step, so two
    // converters finishing at once never take the same name. With replace,
    // whatever is at the final name is replaced, a link itself and never
    // what it points to. Empty on success, else the reason.
    std::string Commit(bool replace);

    // The name the file went to, once committed.
    const std::string& committedPath() const { return committedPath_; }

private:
    bool Fail(const std::string& what);
    void RemoveFolder();
    int PlaceWithoutReplacing(const std::string& target);

    std::string committedPath_;
    std::string finalPath_;
    std::string fileName_;    // the file's name inside the private folder
    std::string folderPath_;  // the private folder's name in the output folder
    int folderFd_ = -1;
    int fileFd_ = -1;
    std::unique_ptr<DescriptorWriter> writer_;
    std::string error_;
};

}  // namespace tavoclip
