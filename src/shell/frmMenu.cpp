#include "frmMenu.h"

#include <algorithm>

#include <QActionGroup>
#include <QLineEdit>
#include <QMenu>
#include <QThread>

namespace tavoclip {

frmMenu::frmMenu(QLineEdit& txtAction, std::function<void()> removeAll, QWidget* parent)
    : QWidget(parent, Qt::Window), txtAction_(txtAction)
{
    setObjectName(QStringLiteral("frmMenu"));
    setAttribute(Qt::WA_DontShowOnScreen);

    menuFile_ = NewMenu(QStringLiteral("menuFile"), tr("File"));
    AddCommandItem(*menuFile_, QStringLiteral("menuAddaFile"), tr("Add a File(&A)"),
                   QStringLiteral("AddaFile"));
    AddCommandItem(*menuFile_, QStringLiteral("menuAddaFolder"), tr("Add a Folder(&F)"),
                   QStringLiteral("menuAddaFolder"));
    menuFile_->addSeparator()->setObjectName(QStringLiteral("menuS"));
    AddCommandItem(*menuFile_, QStringLiteral("menuExit"), tr("Exit(&E)"), QStringLiteral("menuExit"));

    menuOptions_ = NewMenu(QStringLiteral("menuOptions"), tr("Options"));
    AddCommandItem(*menuOptions_, QStringLiteral("menuOption"), tr("Options(&O)"),
                   QStringLiteral("menuOption"));
    // Checked before its word is written, so the dispatch reads the new state.
    menuKeepFolders_ = AddCommandItem(*menuOptions_, QStringLiteral("menuKeepFolders"),
                                      tr("Keep Folder Structure"), QStringLiteral("menuKeepFolders"));
    menuKeepFolders_->setCheckable(true);

    menuAbout_ = NewMenu(QStringLiteral("menuAbout"), tr("About"));
    AddCommandItem(*menuAbout_, QStringLiteral("menuHelp"), tr("Help(&H)"), QStringLiteral("menuHelp"));
    AddCommandItem(*menuAbout_, QStringLiteral("menuA"), tr("About(&A)"), QStringLiteral("A"));

    menuRemove_ = NewMenu(QStringLiteral("menuRemove"), tr("Remove"));
    AddCommandItem(*menuRemove_, QStringLiteral("menuRemoveSelected"), tr("Remove Selected"),
                   QStringLiteral("RemoveSelected"));
    QAction* removeAllItem = menuRemove_->addAction(tr("Remove All"));
    removeAllItem->setObjectName(QStringLiteral("menuRemoveAll"));
    connect(removeAllItem, &QAction::triggered, this, [removeAll = std::move(removeAll)] { removeAll(); });
}

void frmMenu::AddFilesAtOnce(int current, const std::function<void(int)>& choose)
{
    QMenu* atOnce = menuOptions_->addMenu(tr("Convert at Once"));
    atOnce->setObjectName(QStringLiteral("menuFilesAtOnce"));
    auto* group = new QActionGroup(atOnce);
    const int cores = std::max(1, QThread::idealThreadCount());
    struct Choice {
        int files;
        QString caption;
        QString name;
    };
    const Choice choices[] = {{1, tr("1 File"), QStringLiteral("menuFilesAtOnce1")},
                              {2, tr("2 Files"), QStringLiteral("menuFilesAtOnce2")},
                              {4, tr("4 Files"), QStringLiteral("menuFilesAtOnce4")},
                              {cores, tr("One per Core (%1)").arg(cores),
                               QStringLiteral("menuFilesAtOnceCores")}};
    bool checked = false;
    for (const auto& [files, caption, name] : choices) {
        QAction* item = atOnce->addAction(caption);
        item->setObjectName(name);
        item->setCheckable(true);
        item->setActionGroup(group);
        // A count that is both a fixed choice and the core count checks the
        // fixed choice only.
        if (files == current && !checked)
            item->setChecked(checked = true);
        connect(item, &QAction::triggered, this, [choose, files] { choose(files); });
    }
}

QMenu* frmMenu::NewMenu(const QString& name, const QString& caption)
{
    auto* menu = new QMenu(caption, this);
    menu->setObjectName(name);
    return menu;
}

QAction* frmMenu::AddCommandItem(QMenu& menu, const QString& name, const QString& caption, const QString& word)
{
    QAction* item = menu.addAction(caption);
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, [this, word] { txtAction_.setText(word); });
    return item;
}

}  // namespace tavoclip
