#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tavoclip {

namespace {
// Nothing we write comes near this; a huge or endless file is read only this
// far, which is more than the five values can need.
constexpr qint64 kMostBytesRead = 64 * 1024;
}  // namespace

SettingsStore::SettingsStore(QString programFolder) : paths_(std::move(programFolder)) {}

SettingsStore::SettingsStore(ProgramPaths paths) : paths_(std::move(paths)) {}

QString SettingsStore::setupPath() const
{
    return paths_.settingsFolder() + QStringLiteral("/setup.ini");
}

QString SettingsStore::optionsPath() const
{
    return paths_.settingsFolder() + QStringLiteral("/options.ini");
}

std::optional<SavedMainSettings> SettingsStore::LoadMainSettings() const
{
    const std::optional<std::string> content = ReadFile(ReadablePath(setupPath()));
    if (!content)
        return std::nullopt;
    return ReadSetupIni(*content);
}

bool SettingsStore::SaveMainSettings(const MainSettings& settings) const
{
    return WriteFile(setupPath(), WriteSetupIni(settings));
}

ConversionOptions SettingsStore::LoadOptions() const
{
    const std::optional<std::string> content = ReadFile(ReadablePath(optionsPath()));
    if (!content)
        return ConversionOptions{};
    return ReadOptionsIni(*content, ConversionOptions{});
}

bool SettingsStore::SaveOptions(const ConversionOptions& options) const
{
    return WriteFile(optionsPath(), WriteOptionsIni(options));
}

QString SettingsStore::ReadablePath(const QString& path) const
{
    // A copy whose folder has become read-only may still hold the files it
    // saved while it could write there; they count until the first save in
    // the user's folder.
    if (paths_.settingsInProgramFolder() || QFileInfo::exists(path))
        return path;
    return paths_.programFolder() + QLatin1Char('/') + QFileInfo(path).fileName();
}

std::optional<std::string> SettingsStore::ReadFile(const QString& path) const
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    // An existing file that cannot be opened reads as an empty one: every
    // setting keeps its default, as with a file that ends at once.
    if (!file.open(QIODevice::ReadOnly))
        return std::string();
    return file.read(kMostBytesRead).toStdString();
}

bool SettingsStore::WriteFile(const QString& path, const std::string& content) const
{
    if (!paths_.settingsInProgramFolder())
        QDir().mkpath(paths_.settingsFolder());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const qint64 size = static_cast<qint64>(content.size());
    if (file.write(content.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace tavoclip
