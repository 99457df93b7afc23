#pragma once

#include <QObject>

#include <functional>
#include <vector>

#include "HoverPictures.h"

class QWidget;

namespace tavoclip {

class FocusMark;
class HotSpot;

// The main window's keyboard, beside its mouse: each shortcut clicks the
// control it stands for, so it does what that click does and nothing while
// that control is disabled (during a batch). Tab runs through the list, the
// four lists, the output folder, its browse button and Convert, and the
// control it reaches is framed by a FocusMark.
//
//   Ctrl+O  Add Files          Ctrl+Shift+O  Add Folder
//   Delete  Remove Selected    Ctrl+Return   Convert
//   F1      Help               Ctrl+Q        Exit
//   Ctrl+Shift+Delete  Remove All    Ctrl+Shift+F  Feedback
//   Alt+F, Alt+O, Alt+A        the File, Options and About menus
class MainShortcuts : public QObject {
    Q_OBJECT
public:
    // removeSelected is the hidden button behind "Remove Selected"; tabChain
    // is the list, the four lists and the folder field in order (browse and
    // Convert follow). All of them are children of window.
    MainShortcuts(QWidget& window, const MainHotSpots& spots, HotSpot& removeSelected,
                  const std::vector<QWidget*>& tabChain);

    // Remove All is a menu item with no button of its own: removeAll runs it
    // while the toolbar's Remove button is enabled.
    void BindRemoveAll(QWidget& window, const MainHotSpots& spots, std::function<void()> removeAll);

private:
    // A shortcut that clicks target when guard is enabled.
    void Bind(QWidget& window, const QKeySequence& keys, const QWidget& guard, HotSpot& target);
    // A shortcut that runs action when guard is enabled.
    void Bind(QWidget& window, const QKeySequence& keys, const QWidget& guard, std::function<void()> action);
    void ChainTabs(const MainHotSpots& spots, std::vector<QWidget*> chain);

    FocusMark* mark_;
};

}  // namespace tavoclip
