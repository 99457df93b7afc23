#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

namespace tavoclip {

// The files and folders named on the program's command line, kept as the
// bytes the system gave them: a name that is not valid text in any encoding
// still names its file exactly, so nothing is decoded here. The same paths
// travel from a second launch to the running copy in one framed message.
class LaunchArguments {
public:
    // Each argument made absolute against workingFolder; "." parts and
    // doubled or trailing separators dropped, ".." kept (a link may make
    // it mean something else than the text suggests). Empty arguments are
    // skipped. With no working folder (empty: it was removed) relative
    // arguments are kept as they are, never resolved against another folder.
    static QList<QByteArray> Absolute(const QList<QByteArray>& arguments, const QByteArray& workingFolder);
    // argv[1..] after Qt has taken its own options, against this process's
    // working folder.
    static QList<QByteArray> FromCommandLine(int argc, char** argv);

    // One message: a marker, the count, then each path with its length.
    static QByteArray Encode(const QList<QByteArray>& paths);

    enum class Read { Incomplete,
                      Complete,
                      Malformed };
    // Reads one message from the front of buffer. Incomplete while more
    // bytes may still come; Malformed for anything this program would
    // never send (another marker, absurd counts or lengths).
    static Read Decode(const QByteArray& buffer, QList<QByteArray>& paths);

    static constexpr quint32 kMaxPaths = 1'000'000;
    static constexpr quint32 kMaxPathBytes = 64 * 1024;
    static constexpr qsizetype kMaxMessageBytes = 64 * 1024 * 1024;
};

}  // namespace tavoclip
