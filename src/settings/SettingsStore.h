#pragma once

#include <QString>

#include <optional>

#include "OutputFormat.h"
#include "ProgramPaths.h"
#include "SettingsFile.h"

namespace tavoclip {

// setup.ini and options.ini in the settings folder that ProgramPaths
// chose. Reading never fails loudly: a missing file gives nullopt or the
// defaults, any content gives whatever values can be read from it. Writing
// replaces the file in one step (a crash mid-write leaves the previous file),
// and a folder that cannot be written only makes the save return false.
class SettingsStore {
public:
    // Both files directly in this folder, which is never created.
    explicit SettingsStore(QString programFolder);
    // A settings folder in the user's configuration folder is created by the
    // first save, since a new user does not have it yet.
    explicit SettingsStore(ProgramPaths paths);

    const ProgramPaths& paths() const { return paths_; }

    QString setupPath() const;
    QString optionsPath() const;

    // nullopt when there is no setup.ini: the window keeps its defaults.
    std::optional<SavedMainSettings> LoadMainSettings() const;
    bool SaveMainSettings(const MainSettings& settings) const;

    // The defaults (sound on, cutter off, no cut) when there is no file;
    // otherwise the file's values over the defaults.
    ConversionOptions LoadOptions() const;
    bool SaveOptions(const ConversionOptions& options) const;

private:
    // The file to read for path: the program folder's own file while the
    // user's settings folder has none yet.
    QString ReadablePath(const QString& path) const;
    std::optional<std::string> ReadFile(const QString& path) const;
    bool WriteFile(const QString& path, const std::string& content) const;

    ProgramPaths paths_;
};

}  // namespace tavoclip
