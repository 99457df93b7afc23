#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavoclip {

struct SourceEntry {
    std::string path;         // exactly as delivered: not normalised, not checked
    std::string formatLabel;  // display only: the path's last three characters
    // The added folder whose search found the file, exactly as searched;
    // empty for a file added on its own.
    std::string root;
    bool operator==(const SourceEntry&) const = default;
};

// Views (the window's list, the headless command's console) observe the queue
// through this; every change is reported after the queue itself has changed.
class SourceQueueListener {
public:
    virtual ~SourceQueueListener() = default;
    virtual void SourceAppended(std::size_t index) = 0;
    virtual void SourceRemoved(std::size_t index) = 0;
    // UpdateEmptyPrompt ran: the prompt over the list shows exactly when the
    // queue is empty.
    virtual void EmptyPromptUpdated(bool promptVisible) = 0;
};

// The queue of files waiting to be converted; entry 0 is the next to convert.
// There is one list of entries and every view observes it, so "one path list,
// one view, same order" holds by construction. Appending and removing the head
// are O(1).
class SourceQueue {
public:
    std::size_t count() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const SourceEntry& at(std::size_t index) const { return entries_.at(index); }
    const std::string& head() const { return entries_.front().path; }

    // Admits any path: no filter by type, no duplicate check. Does not update
    // the prompt; the calling action does that once at its end.
    void AppendSource(std::string path, std::string root = {});
    void RemoveFirstSource();
    // row counts from 1, as the list shows it; 0 or past the end removes nothing.
    void RemoveSourceAt(std::size_t row);
    // Removes as many entries as the queue held at the start, head first, and
    // runs betweenRemovals after each one (the window lets its events run
    // there). Entries appended meanwhile may therefore survive.
    void ClearSources(const std::function<void()>& betweenRemovals = {});
    void UpdateEmptyPrompt();

    void AddListener(SourceQueueListener* listener);
    void RemoveListener(SourceQueueListener* listener);

private:
    void RemoveAt(std::size_t index);

    std::deque<SourceEntry> entries_;
    std::vector<SourceQueueListener*> listeners_;
};

// The trimmed path's last three characters (UTF-8 letters, never half a
// letter), upper-cased: "clip.flv" -> "FLV", "x.ts" -> ".TS", "trailer" -> "LER".
std::string FormatLabel(std::string_view path);

}  // namespace tavoclip
