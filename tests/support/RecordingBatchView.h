#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "BatchDriver.h"
#include "FolderOpener.h"
#include "SoundPlayer.h"

namespace tavoclip {

// Whoever started a batch, as the driver sees them, writing everything the
// driver does into one log, in order: its calls on the view, its signals
// (once Follow has connected them) and the desktop services, so the order
// of Finish can be checked as a whole.
class RecordingBatchView : public BatchView, public FolderOpener, public SoundPlayer {
public:
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override
    {
        log.push_back("message " + title + (icon == MessageIcon::Exclamation ? " !" : " x") + ": " + text);
    }
    void BatchStarted() override { log.push_back("batch started"); }
    void BatchEnded() override { log.push_back("batch ended"); }
    bool OpenFolder(const std::string& path) override
    {
        log.push_back("open " + path);
        return true;
    }
    void PlayAndWait(const std::string& waveFile) override { log.push_back("sound " + waveFile); }

    void Follow(const BatchDriver& driver)
    {
        QObject::connect(&driver, &BatchDriver::fileStarted, &driver,
                         [this](std::size_t position, std::size_t total, const ConverterCommand& command,
                                const std::string& source) {
                             int marker = 0;
                             stackMarks.push_back(reinterpret_cast<std::uintptr_t>(&marker));
                             commands.push_back(command);
                             log.push_back("start " + std::to_string(position) + "/" + std::to_string(total) + " " +
                                           source);
                         });
        QObject::connect(&driver, &BatchDriver::fileProgress, &driver,
                         [this](std::size_t position, double share, const std::string& caption) {
                             shares.push_back(share);
                             captions.push_back(caption);
                             progressPositions.push_back(position);
                         });
        QObject::connect(&driver, &BatchDriver::fileEnded, &driver, [this](const FileOutcome& outcome) {
            log.push_back((outcome.converted ? "done " : "failed ") + outcome.source);
        });
        QObject::connect(&driver, &BatchDriver::progressCleared, &driver, [this](const std::string& caption) {
            shares.push_back(0);
            if (!caption.empty()) captions.push_back(caption);
        });
        QObject::connect(&driver, &BatchDriver::batchEnded, &driver, [this](bool stopped, std::size_t notConverted) {
            log.push_back(stopped ? "stopped, " + std::to_string(notConverted) + " not converted" : "finished");
        });
    }

    bool Ended() const
    {
        return std::any_of(log.begin(), log.end(),
                           [](const std::string& e) { return e == "finished" || e.starts_with("stopped"); });
    }
    std::size_t Index(const std::string& entry) const
    {
        return static_cast<std::size_t>(std::find(log.begin(), log.end(), entry) - log.begin());
    }
    std::size_t Count(const std::string& prefix) const
    {
        return static_cast<std::size_t>(
            std::count_if(log.begin(), log.end(), [&](const std::string& e) { return e.starts_with(prefix); }));
    }

    std::vector<std::string> log;
    std::vector<double> shares;
    std::vector<std::string> captions;
    std::vector<std::size_t> progressPositions;
    std::vector<ConverterCommand> commands;
    std::vector<std::uintptr_t> stackMarks;
};

}  // namespace tavoclip
