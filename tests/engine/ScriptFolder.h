#pragma once

#include <QTemporaryDir>

#include <fstream>
#include <string>

namespace tavoclip {

// A temporary folder for scripts of the fake converter and its outputs.
class ScriptFolder {
public:
    std::string Path(const std::string& name) const { return dir_.filePath(QString::fromStdString(name)).toStdString(); }
    std::string Write(const std::string& name, const std::string& script) const {
        const std::string path = Path(name);
        std::ofstream(path) << script;
        return path;
    }
    std::string root() const { return dir_.path().toStdString(); }

private:
    QTemporaryDir dir_;
};

}  // namespace tavoclip
