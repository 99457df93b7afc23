#include "LaunchArguments.h"

#include <QtEndian>

#include <unistd.h>

#include <cerrno>
#include <vector>

namespace tavoclip {
namespace {

const QByteArray kMarker = QByteArrayLiteral("TAVOCLIP-PATHS-1\n");

void AppendNumber(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

std::optional<quint32> ReadNumber(const QByteArray& in, qsizetype& at)
{
    if (in.size() - at < 4)
        return std::nullopt;
    const quint32 value = qFromBigEndian<quint32>(in.constData() + at);
    at += 4;
    return value;
}

// Empty when the folder has no path any more (it was removed).
QByteArray WorkingFolder()
{
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            return {};
        buffer.resize(buffer.size() * 2);
    }
    return QByteArray(buffer.data());
}

}  // namespace

QList<QByteArray> LaunchArguments::Absolute(const QList<QByteArray>& arguments, const QByteArray& workingFolder)
{
    QList<QByteArray> result;
    for (const QByteArray& argument : arguments) {
        if (argument.isEmpty())
            continue;
        // Without a working folder a relative name names nothing for sure;
        // it stays relative, and the list refuses it by name.
        if (workingFolder.isEmpty() && !argument.startsWith('/')) {
            result.append(argument);
            continue;
        }
        const QByteArray joined = argument.startsWith('/') ? argument : workingFolder + '/' + argument;
        QByteArray clean;
        for (const QByteArray& part : joined.split('/')) {
            if (part.isEmpty() || part == ".")
                continue;
            clean += '/' + part;
        }
        result.append(clean.isEmpty() ? QByteArrayLiteral("/") : clean);
    }
    return result;
}

QList<QByteArray> LaunchArguments::FromCommandLine(int argc, char** argv)
{
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    return Absolute(arguments, WorkingFolder());
}

QByteArray LaunchArguments::Encode(const QList<QByteArray>& paths)
{
    QByteArray out = kMarker;
    AppendNumber(out, static_cast<quint32>(paths.size()));
    for (const QByteArray& path : paths) {
        AppendNumber(out, static_cast<quint32>(path.size()));
        out += path;
    }
    return out;
}

LaunchArguments::Read LaunchArguments::Decode(const QByteArray& buffer, QList<QByteArray>& paths)
{
    const qsizetype markerBytes = std::min(buffer.size(), kMarker.size());
    if (buffer.left(markerBytes) != kMarker.left(markerBytes))
        return Read::Malformed;
    if (buffer.size() > kMaxMessageBytes)
        return Read::Malformed;
    qsizetype at = kMarker.size();
    const std::optional<quint32> count = ReadNumber(buffer, at);
    if (!count)
        return Read::Incomplete;
    if (*count > kMaxPaths)
        return Read::Malformed;
    QList<QByteArray> read;
    for (quint32 i = 0; i < *count; ++i) {
        const std::optional<quint32> length = ReadNumber(buffer, at);
        if (!length)
            return Read::Incomplete;
        if (*length == 0 || *length > kMaxPathBytes)
            return Read::Malformed;
        if (buffer.size() - at < *length)
            return Read::Incomplete;
        read.append(buffer.mid(at, *length));
        at += *length;
    }
    if (at != buffer.size())
        return Read::Malformed;
    paths = std::move(read);
    return Read::Complete;
}

}  // namespace tavoclip
