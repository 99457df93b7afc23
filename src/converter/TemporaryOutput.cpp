#include "TemporaryOutput.h"

#include <filesystem>
#include <system_error>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace tavoclip {
namespace fs = std::filesystem;
namespace {

// What a file created by open() would get: 0666 without the process umask.
fs::perms NewFilePermissions() {
#ifdef _WIN32
    return fs::perms::owner_read | fs::perms::owner_write;
#else
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<fs::perms>(0666 & ~mask);
#endif
}

}  // namespace

TemporaryOutput::TemporaryOutput(const std::string& finalPath) : finalPath_(finalPath) {
    const QFileInfo info(QFile::decodeName(finalPath.c_str()));
    file_ = std::make_unique<QTemporaryFile>(info.dir().filePath("." + info.fileName() + ".XXXXXX.part"));
}

bool TemporaryOutput::Create() { return file_->open(); }

bool TemporaryOutput::Close() {
    const bool flushed = !file_->isOpen() || file_->flush();
    file_->close();
    return flushed;
}

std::string TemporaryOutput::path() const { return QFile::encodeName(file_->fileName()).toStdString(); }

std::string TemporaryOutput::errorText() const { return file_->errorString().toStdString(); }

long long TemporaryOutput::Size() const {
    std::error_code error;
    const auto size = fs::file_size(path(), error);
    return error ? 0 : static_cast<long long>(size);
}

std::string TemporaryOutput::Commit() {
    std::error_code error;
    const fs::file_status existing = fs::status(finalPath_, error);
    const fs::perms perms = fs::exists(existing) ? existing.permissions() : NewFilePermissions();
    file_->close();
    fs::permissions(path(), perms, error);
    fs::rename(path(), finalPath_, error);
    if (error) return "could not move the finished output into place: " + error.message();
    file_->setAutoRemove(false);
    return {};
}

}  // namespace tavoclip
