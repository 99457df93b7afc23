#pragma once

#include "FileDialogs.h"

class QFileDialog;

namespace tavoclip {

// The file dialogs as Qt shows them (the platform's own where Qt has one),
// modal to their owner.
class QtFileDialogs final : public FileDialogs {
public:
    QString OpenFile(QWidget* owner, const OpenFileRequest& request) override;
    QString ExistingFolder(QWidget* owner, const QString& title, const QString& startFolder) override;

    // Set apart from showing so that a test can check what the user would see.
    static void ConfigureOpenDialog(QFileDialog& dialog, const OpenFileRequest& request);
    static void ConfigureFolderDialog(QFileDialog& dialog, const QString& title, const QString& startFolder);
};

}  // namespace tavoclip
