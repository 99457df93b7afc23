#pragma once

#include <QIODevice>

namespace tavoclip {

// A write-only QIODevice over an open file descriptor, which it does not
// own. Each write goes straight to the file, whole: a short write is carried
// on until the system refuses, so a failure always carries the system's
// reason (errorString(): "No space left on device", "File too large"), where
// QFile reports a short write as success and names no error.
class DescriptorWriter : public QIODevice {
public:
    explicit DescriptorWriter(int fd) : fd_(fd) {}

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    int fd_;
};

}  // namespace tavoclip
