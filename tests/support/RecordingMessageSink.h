#pragma once

#include <string>
#include <vector>

#include "MessageSink.h"

namespace tavoclip {

struct ShownMessage {
    std::string text;
    std::string title;
    MessageIcon icon;
    bool operator==(const ShownMessage&) const = default;
};

// Message boxes, recorded in the order they were shown.
class RecordingMessageSink : public MessageSink {
public:
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override
    {
        shown.push_back({text, title, icon});
    }
    std::vector<ShownMessage> shown;
};

}  // namespace tavoclip
