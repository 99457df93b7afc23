#include "frmMenu.h"

#include <QLineEdit>
#include <QMenu>

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

QMenu* frmMenu::NewMenu(const QString& name, const QString& caption)
{
    auto* menu = new QMenu(caption, this);
    menu->setObjectName(name);
    return menu;
}

void frmMenu::AddCommandItem(QMenu& menu, const QString& name, const QString& caption, const QString& word)
{
    QAction* item = menu.addAction(caption);
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, [this, word] { txtAction_.setText(word); });
}

}  // namespace tavoclip
