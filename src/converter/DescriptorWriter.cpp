#include "DescriptorWriter.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace tavoclip {

qint64 DescriptorWriter::writeData(const char* data, qint64 size)
{
    qint64 written = 0;
    while (written < size) {
        const ssize_t result = ::write(fd_, data + written, static_cast<std::size_t>(size - written));
        if (result < 0 && errno == EINTR) continue;
        if (result <= 0) {
            setErrorString(QString::fromLocal8Bit(std::strerror(result < 0 ? errno : EIO)));
            return -1;
        }
        written += result;
    }
    return written;
}

}  // namespace tavoclip
