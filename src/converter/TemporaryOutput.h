#pragma once

#include <memory>
#include <string>

#include <QTemporaryFile>

namespace tavoclip {

// The file a conversion writes before it succeeds: a hidden file beside the
// final output, removed unless Commit moves it over the final name. So a
// failed or interrupted conversion never leaves a truncated output under the
// final name and never destroys an earlier output.
class TemporaryOutput {
public:
    explicit TemporaryOutput(const std::string& finalPath);

    // Creates the file; false with errorText() when the folder refuses it.
    bool Create();
    std::string path() const;
    QIODevice& device() { return *file_; }
    std::string errorText() const;

    // Writes out what conv buffered and closes the file, so that another
    // program can write it by name or its size can be read; false when the
    // buffered bytes could not be written.
    bool Close();

    // Empties the file for a fresh start; false when that fails.
    bool Truncate() { return file_->resize(0) && file_->seek(0); }

    // The written size in bytes (0 when missing).
    long long Size() const;

    // Renames the file over the final name, giving it the permissions an
    // ordinary new file (or the replaced output) has. Empty on success.
    std::string Commit();

private:
    std::string finalPath_;
    std::unique_ptr<QTemporaryFile> file_;
};

}  // namespace tavoclip
