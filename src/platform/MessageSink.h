#pragma once

#include <string>

namespace tavoclip {

enum class MessageIcon { Stop,
                         Exclamation,
                         Information };

// Where message boxes go: a modal box with an OK button in the window, a line
// on standard error in the headless command, a recording fake in tests.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) = 0;
};

}  // namespace tavoclip
