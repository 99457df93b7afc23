#pragma once

#include <QString>
#include <QVariant>

namespace tavoclip {

// tavoclip.conf, beside setup.ini and options.ini in the settings folder:
// the program's own settings that those two files have no place for, kept
// as groups of keys ("Batch/KeepFolders" is KeepFolders=true under
// [Batch]). The two older files are never read or written here, so their
// bytes stay exactly as the program has always written them. A missing or
// unreadable file gives the defaults; a save that cannot write returns false
// and the value still applies to this run.
class ConfFile {
public:
    static inline const QString kFileName = QStringLiteral("tavoclip.conf");

    explicit ConfFile(QString settingsFolder);

    QString path() const;

    QVariant Value(const QString& key, const QVariant& fallback) const;
    bool SetValue(const QString& key, const QVariant& value) const;

    // Files found in an added folder go below the output folder at the same
    // path (the Options menu's "Keep Folder Structure"); off by default.
    bool KeepFolders() const;
    bool SetKeepFolders(bool on) const;

    // How many files the window converts at once (the Options menu's
    // "Convert at Once"); 1 by default, and a stored value below 1 reads
    // as 1.
    int FilesAtOnce() const;
    bool SetFilesAtOnce(int files) const;

private:
    QString settingsFolder_;
};

}  // namespace tavoclip
