#pragma once

#include <string>
#include <vector>

#include "BatchView.h"
#include "FolderOpener.h"
#include "SoundPlayer.h"

namespace tavoclip {

// The window as the batch driver sees it, writing everything the driver does
// to it into one log, in order. The desktop services log into the same list
// so the order of Finish can be checked as a whole.
class FakeBatchView : public BatchView, public FolderOpener, public SoundPlayer {
public:
    void SetControlEnabled(std::string_view name, int index, bool enabled) override {
        std::string entry = (enabled ? "enable " : "disable ") + std::string(name);
        if (index != kNoIndex) entry += "(" + std::to_string(index) + ")";
        log.push_back(entry);
    }
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        log.push_back("message " + title + (icon == MessageIcon::Exclamation ? " !" : " x") + ": " + text);
    }
    void SetProgressBarWidth(float twips) override { barWidths.push_back(twips); }
    void SetProgressCaption(const std::string& caption) override { captions.push_back(caption); }
    std::string OutputFolderText() const override { return outputFolder; }
    BatchSelections CurrentSelections() const override { return selections; }
    void FileStarting(std::size_t position, std::size_t total, const ConverterCommand& command,
                      const std::string& source) override {
        int marker = 0;
        stackMarks.push_back(reinterpret_cast<std::uintptr_t>(&marker));
        commands.push_back(command);
        log.push_back("start " + std::to_string(position) + "/" + std::to_string(total) + " " + source);
    }
    void FileEnded(const FileOutcome& outcome) override {
        log.push_back((outcome.converted ? "done " : "failed ") + outcome.source);
    }
    void BatchEnded(bool stopped, std::size_t notConverted) override {
        log.push_back(stopped ? "stopped, " + std::to_string(notConverted) + " not converted" : "finished");
    }

    bool OpenFolder(const std::string& path) override {
        log.push_back("open " + path);
        return true;
    }
    void PlayAndWait(const std::string& waveFile) override { log.push_back("sound " + waveFile); }

    std::vector<std::string> log;
    std::vector<float> barWidths;
    std::vector<std::string> captions;
    std::vector<ConverterCommand> commands;
    std::vector<std::uintptr_t> stackMarks;
    std::string outputFolder;
    BatchSelections selections{0, "128k", "320x240", "128k"};
};

}  // namespace tavoclip
