#pragma once

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <string>

namespace tavoclip {

// A temporary folder of the test's own, removed with everything in it when
// the object goes: scripts for the fake converter, sources and outputs.
class TempFolder {
public:
    std::string Path(const std::string& name) const { return dir_.filePath(QString::fromStdString(name)).toStdString(); }
    QString Q(const std::string& name) const { return QString::fromStdString(Path(name)); }
    // Writes text to name (making its folders) and returns the full path.
    std::string Write(const std::string& name, const std::string& text) const
    {
        const std::string path = Path(name);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path) << text;
        return path;
    }
    std::string root() const { return dir_.path().toStdString(); }

private:
    QTemporaryDir dir_;
};

}  // namespace tavoclip
