#include "MainShortcuts.h"

#include <QShortcut>
#include <QWidget>

#include "FocusMark.h"
#include "HotSpot.h"
#include "LinkLabel.h"
#include "MainLayout.h"

namespace tavoclip {

namespace ml = main_layout;

MainShortcuts::MainShortcuts(QWidget& window, const MainHotSpots& spots, HotSpot& removeSelected,
                             const std::vector<QWidget*>& tabChain)
    : QObject(&window), mark_(new FocusMark(window))
{
    HotSpot& addFiles = *spots.imgToolbar[ml::Index(ml::Toolbar::AddFiles)];
    HotSpot& addFolder = *spots.imgToolbar[ml::Index(ml::Toolbar::AddFolder)];
    Bind(window, QKeySequence(Qt::CTRL | Qt::Key_O), addFiles, addFiles);
    Bind(window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), addFolder, addFolder);
    // The toolbar's Remove button is what a batch disables; the hidden button
    // runs the removal itself, as the menu's "Remove Selected" does.
    Bind(window, QKeySequence(Qt::Key_Delete), *spots.imgToolbar[ml::Index(ml::Toolbar::Remove)], removeSelected);
    Bind(window, QKeySequence(Qt::CTRL | Qt::Key_Return), *spots.imgConvert, *spots.imgConvert);
    Bind(window, QKeySequence(Qt::CTRL | Qt::Key_Enter), *spots.imgConvert, *spots.imgConvert);
    Bind(window, QKeySequence(Qt::Key_F1), *spots.imgHelp, *spots.imgHelp);
    Bind(window, QKeySequence(Qt::CTRL | Qt::Key_Q), *spots.imgExit, *spots.imgExit);
    Bind(window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), *spots.lblFeed,
         [link = spots.lblFeed] { link->Click(); });
    const Qt::Key menuKeys[] = {Qt::Key_F, Qt::Key_O, Qt::Key_A};
    for (std::size_t i = 0; i < spots.imgMenu.size(); ++i)
        Bind(window, QKeySequence(Qt::ALT | menuKeys[i]), *spots.imgMenu[i], *spots.imgMenu[i]);
    ChainTabs(spots, tabChain);
}

void MainShortcuts::BindRemoveAll(QWidget& window, const MainHotSpots& spots, std::function<void()> removeAll)
{
    Bind(window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete), *spots.imgToolbar[1], std::move(removeAll));
}

void MainShortcuts::Bind(QWidget& window, const QKeySequence& keys, const QWidget& guard, HotSpot& target)
{
    Bind(window, keys, guard, [&target] { target.Click(); });
}

void MainShortcuts::Bind(QWidget& window, const QKeySequence& keys, const QWidget& guard,
                         std::function<void()> action)
{
    auto* shortcut = new QShortcut(keys, &window);
    shortcut->setObjectName(QStringLiteral("shortcut ") + keys.toString(QKeySequence::PortableText));
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [&guard, action = std::move(action)] {
        if (guard.isEnabled())
            action();
    });
}

void MainShortcuts::ChainTabs(const MainHotSpots& spots, std::vector<QWidget*> chain)
{
    // Reached by Tab but not taken by a click, so the mouse works as before.
    for (HotSpot* spot : {spots.imgBrowse, spots.imgConvert}) {
        spot->setFocusPolicy(Qt::TabFocus);
        chain.push_back(spot);
    }
    for (std::size_t i = 0; i < chain.size(); ++i) {
        mark_->Track(*chain[i]);
        if (i > 0)
            QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

}  // namespace tavoclip
