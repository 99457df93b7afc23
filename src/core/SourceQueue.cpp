#include "SourceQueue.h"

#include <algorithm>

namespace tavoclip {
namespace {

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::string_view TrimSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string FormatLabel(std::string_view path)
{
    const std::string_view trimmed = TrimSpaces(path);
    std::size_t start = trimmed.size();
    for (int letters = 0; letters < 3 && start > 0; ++letters) {
        --start;
        while (start > 0 && IsUtf8Continuation(trimmed[start])) --start;
    }
    std::string label(trimmed.substr(start));
    for (char& c : label)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return label;
}

void SourceQueue::AppendSource(std::string path, std::string root)
{
    std::string label = FormatLabel(path);
    entries_.push_back({std::move(path), std::move(label), std::move(root)});
    for (SourceQueueListener* listener : listeners_) listener->SourceAppended(entries_.size() - 1);
}

void SourceQueue::RemoveAt(std::size_t index)
{
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    for (SourceQueueListener* listener : listeners_) listener->SourceRemoved(index);
}

void SourceQueue::RemoveFirstSource()
{
    if (!entries_.empty()) RemoveAt(0);
    UpdateEmptyPrompt();
}

void SourceQueue::RemoveSourceAt(std::size_t row)
{
    if (row >= 1 && row <= entries_.size()) RemoveAt(row - 1);
    UpdateEmptyPrompt();
}

void SourceQueue::ClearSources(const std::function<void()>& betweenRemovals)
{
    const std::size_t rows = entries_.size();
    for (std::size_t i = 0; i < rows && !entries_.empty(); ++i) {
        RemoveAt(0);
        if (betweenRemovals) betweenRemovals();
    }
    UpdateEmptyPrompt();
}

void SourceQueue::UpdateEmptyPrompt()
{
    for (SourceQueueListener* listener : listeners_) listener->EmptyPromptUpdated(entries_.empty());
}

void SourceQueue::AddListener(SourceQueueListener* listener) { listeners_.push_back(listener); }

void SourceQueue::RemoveListener(SourceQueueListener* listener)
{
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

}  // namespace tavoclip
