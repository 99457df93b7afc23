#pragma once

class QLabel;
class QLineEdit;
class QWidget;

namespace tavoclip {

class MessageSink;
class SourceListView;

// The main window's controls that the list actions work on; all belong to
// the window and outlive the actions.
struct SourceListControls {
    QWidget* owner = nullptr;  // the dialogs are modal to it
    SourceListView* LV = nullptr;
    QWidget* picText = nullptr;  // the prompt strip over the list
    QLabel* lblText = nullptr;   // its text, also the folder search's message
    QLineEdit* txtPath = nullptr;
    // Where a drop's refusals are told; none are told without it.
    MessageSink* messages = nullptr;
};

}  // namespace tavoclip
