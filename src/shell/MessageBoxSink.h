#pragma once

#include "MessageSink.h"

class QWidget;

namespace tavoclip {

// Messages as modal boxes with one OK button over the main window; a message
// without a title of its own carries the program's title.
class MessageBoxSink final : public MessageSink {
public:
    explicit MessageBoxSink(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;

private:
    QWidget* parent_;
};

}  // namespace tavoclip
