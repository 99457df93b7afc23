#include "ConfFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace tavoclip {
namespace {
const QString kKeepFolders = QStringLiteral("Batch/KeepFolders");
const QString kFilesAtOnce = QStringLiteral("Batch/FilesAtOnce");
}  // namespace

ConfFile::ConfFile(QString settingsFolder) : settingsFolder_(std::move(settingsFolder)) {}

QString ConfFile::path() const
{
    return settingsFolder_ + QLatin1Char('/') + kFileName;
}

QVariant ConfFile::Value(const QString& key, const QVariant& fallback) const
{
    if (!QFileInfo(path()).isFile())
        return fallback;
    const QSettings settings(path(), QSettings::IniFormat);
    return settings.value(key, fallback);
}

bool ConfFile::SetValue(const QString& key, const QVariant& value) const
{
    // A settings folder in the user's configuration folder may not exist yet.
    if (!QDir().mkpath(settingsFolder_))
        return false;
    QSettings settings(path(), QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool ConfFile::KeepFolders() const
{
    return Value(kKeepFolders, false).toBool();
}

bool ConfFile::SetKeepFolders(bool on) const
{
    return SetValue(kKeepFolders, on);
}

int ConfFile::FilesAtOnce() const
{
    bool ok = false;
    const int files = Value(kFilesAtOnce, 1).toInt(&ok);
    return ok && files > 1 ? files : 1;
}

bool ConfFile::SetFilesAtOnce(int files) const
{
    return SetValue(kFilesAtOnce, files);
}

}  // namespace tavoclip
