#include "frmMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QAccessible>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "ApplyColorKey.h"
#include "MessageTexts.h"
#include "HotSpot.h"
#include "KeepOnScreen.h"
#include "LinkLabel.h"
#include "MainButtonNames.h"
#include "MainHotSpotWiring.h"
#include "MainBatchDisplay.h"
#include "MainLabels.h"
#include "MainSelections.h"
#include "MainShortcuts.h"
#include "MainSkin.h"
#include "MainWindowAccessible.h"
#include "ProgressCaption.h"
#include "ScaleFormLayout.h"
#include "SettingsStore.h"
#include "ShellDesktop.h"
#include "ShellOperations.h"
#include "SourceListActions.h"
#include "SourceListModel.h"
#include "SourceListView.h"
#include "frmMenu.h"

namespace tavoclip {

namespace ml = main_layout;

namespace {

// Controls that are not hot spots keep the pointer to themselves: a move over
// them must not reach the background (which would clear the hover pictures)
// and a press on them must never start a window drag.
void KeepPointer(QWidget& control)
{
    control.setAttribute(Qt::WA_NoMousePropagation);
}

}  // namespace

frmMain::frmMain(MainWindowParts parts, QWidget* parent)
    : QWidget(parent), parts_(std::move(parts)), drag_(*this)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kTitle);
    // Screen readers see only the controls that are shown; installed once.
    static const bool accessible = (QAccessible::installFactory(&MainWindowAccessible::Factory), true);
    Q_UNUSED(accessible);
    setMouseTracking(true);
    twipsPerPixel_ = PlatformTwipsPerPixel(*this);
    resize(TwipsToPixels(ml::kClientWidth), TwipsToPixels(ml::kClientHeight));
    MainSkin::AddPictures(pictures_, devicePixelRatioF());
    model_ = std::make_unique<SourceListModel>(parts_.queue);
    BuildControls();
    hover_ = std::make_unique<HoverPictures>(spots_, pictures_);
    batch_ = std::make_unique<MainBatchDisplay>(*this, twipsPerPixel_, spots_,
                                                std::vector<QWidget*>{imgAdd_, imgRemove_, imgStart_, spots_.imgBrowse},
                                                *imgPB_, *lblPB_);
    MainHotSpotWiring::Connect(*this);
    NameMainButtons(spots_, {imgAdd_, imgRemove_, imgStart_});
    // The keyboard beside the mouse; owned by the window.
    auto* keys = new MainShortcuts(*this, spots_, *imgRemove_,
                                   {LV_, &selections_->cmbOF(), &selections_->cmbBR(), &selections_->cmbR(),
                                    &selections_->cmbChannel(), &selections_->txtPath()});
    keys->BindRemoveAll(*this, spots_, [this] { parts_.operations.RemoveAll(); });
}

frmMain::~frmMain() = default;

int frmMain::TwipsToPixels(double twips) const
{
    return qRound(twips / twipsPerPixel_);
}

void frmMain::Place(QWidget& control, const ml::TwipsRect& rect) const
{
    control.setGeometry(TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
                        TwipsToPixels(rect.height));
}

void frmMain::BuildControls()
{
    BuildLists();
    BuildHotSpots();
    BuildLabels();

    txtAction_ = new QLineEdit(this);
    txtAction_->setObjectName(QStringLiteral("txtAction"));
    txtAction_->setVisible(false);
    connect(txtAction_, &QLineEdit::textChanged, this, [this] { txtAction_Change(); });
}

void frmMain::BuildLists()
{
    LV_ = new SourceListView(this);
    Place(*LV_, ml::kList);
    LV_->setModel(model_.get());
    LV_->setAccessibleName(QCoreApplication::translate("MainWindow", "Files to convert"));
    KeepPointer(*LV_);

    picText_ = new QWidget(this);
    picText_->setObjectName(QStringLiteral("picText"));
    Place(*picText_, ml::kEmptyPrompt);
    picText_->setAutoFillBackground(true);
    picText_->setBackgroundRole(QPalette::Base);
    // The prompt lies over the list; pointer and drops go to the list.
    picText_->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblText_ = new QLabel(SourceListActions::tr(qPrintable(SourceListActions::kDropPrompt)), picText_);
    lblText_->setObjectName(QStringLiteral("lblText"));
    Place(*lblText_, ml::kEmptyPromptLabel);
    lblText_->setAlignment(Qt::AlignCenter);
    lblText_->setFont(TahomaFont(9, true));
    lblText_->setStyleSheet(QStringLiteral("color: rgb(128, 128, 128);"));
    connect(model_.get(), &SourceListModel::emptyPromptUpdated, picText_, &QWidget::setVisible);
    FitEmptyPrompt();

    selections_ = new MainSelections(*this, [this](QWidget& control, const ml::TwipsRect& rect) {
        Place(control, rect);
    });
    connect(selections_, &MainSelections::changed, this, &frmMain::batchSettingsChanged);
}

// The prompt's place holds the English words. A longer language's prompt,
// or its "Searching Files...", gets a strip as wide as it needs, about the
// same centre and within the list, rather than being clipped.
void frmMain::FitEmptyPrompt()
{
    int needed = 0;
    for (const QString& text : {SourceListActions::kDropPrompt, SourceListActions::kSearching})
        needed = std::max(needed, lblText_->fontMetrics().horizontalAdvance(SourceListActions::tr(qPrintable(text))));
    const int extra = needed + 4 - lblText_->width();
    if (extra <= 0)
        return;
    const int grow = std::min(extra + extra % 2, LV_->width() - picText_->width());
    picText_->setGeometry(picText_->geometry().adjusted(-grow / 2, 0, grow - grow / 2, 0));
    lblText_->resize(lblText_->width() + grow, lblText_->height());
}

void frmMain::BuildHotSpots()
{
    const PlaceControl place = [this](QWidget& control, const ml::TwipsRect& rect) { Place(control, rect); };
    spots_ = BuildMainHotSpots(*this, place, pictures_);
    // Reached only through the toolbar, the menus and Convert.
    imgAdd_ = NewMainHotSpot(*this, place, QStringLiteral("imgAdd"), ml::kOffscreenButton);
    imgRemove_ = NewMainHotSpot(*this, place, QStringLiteral("imgRemove"), ml::kOffscreenButton);
    imgStart_ = NewMainHotSpot(*this, place, QStringLiteral("imgStart"), ml::kOffscreenButton);
    // Not for the user: hidden, so assistive technology does not offer them
    // as buttons (MainWindowAccessible leaves them out); their clicks still
    // run.
    for (HotSpot* hidden : {imgAdd_, imgRemove_, imgStart_})
        hidden->hide();
}

void frmMain::BuildLabels()
{
    const MainLabels labels =
        BuildMainLabels(*this, [this](QWidget& control, const ml::TwipsRect& rect) { Place(control, rect); });
    imgPB_ = labels.imgPB;
    lblPB_ = labels.lblPB;
    lblVersion_ = labels.lblVersion;
    lblWeb_ = labels.lblWeb;
    lblWeb_->setToolTip(kWebAddress);
    spots_.lblFeed = labels.lblFeed;
}

void frmMain::Form_Load()
{
    skin_ = MainSkin::Background(devicePixelRatioF());
    skinPixmap_ = QPixmap::fromImage(skin_);
    ApplyColorKey(*this, skin_);
    QCoreApplication::processEvents();

    SetProgressBarWidth(0);
    lblVersion_->setStyleSheet(QStringLiteral("color: rgb(199, 227, 214); background: transparent;"));
    lblWeb_->setStyleSheet(QStringLiteral("color: black;"));

    selections_->LoadStartChoices(parts_.settings.LoadMainSettings(), DefaultOutputFolder());

    lblVersion_->setText(tr("Ver ") + parts_.version);
    lblWeb_->setText(kTitle);
    parts_.options = parts_.settings.LoadOptions();
    ScaleWindowToScreen(*this, QStringLiteral("txtPath"));
    selections_->FitFormatPopup();

    // Centred, but never partly off a screen smaller than the scaled window.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(KeepOnScreen(QRect(available.center() - rect().center(), size()), available));
    }
}

QString frmMain::DefaultOutputFolder() const
{
    return parts_.settings.paths().defaultOutputFolder();
}

void frmMain::ApplySavedSettings(const SavedMainSettings& saved)
{
    selections_->ApplySaved(saved);
}

MainSettings frmMain::CurrentMainSettings() const
{
    return selections_->Current();
}

void frmMain::cmbOF_Click()
{
    selections_->FormatChosen();
}

void frmMain::imgMenu_Click(int index)
{
    if (index < 0 || index > 2)
        return;
    frmMenu& menus = Menus();
    QMenu* const menu[] = {&menus.menuFile(), &menus.menuOptions(), &menus.menuAbout()};
    const QRect word = spots_.imgMenu[static_cast<std::size_t>(index)]->geometry();
    // Right below the word, at its left edge, wherever the scaling put it.
    parts_.desktop.PopupMenu(*menu[index], mapToGlobal(QPoint(word.left(), word.top() + word.height())));
}

void frmMain::imgToolbar_Click(int index)
{
    switch (static_cast<ml::Toolbar>(index)) {
        case ml::Toolbar::AddFiles:
            parts_.operations.AddFiles();
            break;
        case ml::Toolbar::AddFolder:
            parts_.operations.AddFolder();
            break;
        case ml::Toolbar::Remove:
            parts_.desktop.PopupMenu(Menus().menuRemove(), QCursor::pos());
            break;
        case ml::Toolbar::Options:
            parts_.operations.ShowOptions();
            break;
        case ml::Toolbar::Help:
            imgHelp_Click();
            break;
        case ml::Toolbar::Exit:
            imgExit_Click();
            break;
        default:
            break;
    }
}

void frmMain::txtAction_Change()
{
    // Each word is tested against the text as it is now; the tests are
    // independent, in this fixed order.
    if (txtAction_->text() == QLatin1String("RemoveSelected"))
        parts_.operations.RemoveSelected();
    if (txtAction_->text() == QLatin1String("A"))
        parts_.desktop.ShowAbout(kTitle, AboutText());
    if (txtAction_->text() == QLatin1String("AddaFile"))
        parts_.operations.AddFiles();
    if (txtAction_->text() == QLatin1String("menuAddaFolder"))
        imgToolbar_Click(ml::Toolbar::AddFolder);
    if (txtAction_->text() == QLatin1String("menuExit"))
        imgExit_Click();
    if (txtAction_->text() == QLatin1String("menuHelp"))
        imgHelp_Click();
    if (txtAction_->text() == QLatin1String("menuOption"))
        imgToolbar_Click(ml::Toolbar::Options);
    if (txtAction_->text() == QLatin1String("menuKeepFolders"))
        parts_.operations.SetKeepFolders(Menus().menuKeepFolders().isChecked());
    // Empty again, so the same word written twice dispatches twice. The
    // change this makes comes back here once and matches nothing.
    txtAction_->setText(QString());
}

QString frmMain::AboutText() const
{
    return kTitle + QStringLiteral(" ") + parts_.version + tr(", published by the Tavoclip project.\n") +
           tr("All rights reserved.\n") + kWebAddress;
}

void frmMain::imgHelp_Click()
{
    QString help =
        parts_.programFolder + tr("/help.html", "the help page's file name; a translated page help_<language>.html");
    // A language whose page is missing gets the English guide.
    if (!QFileInfo(help).isFile())
        help = parts_.programFolder + QStringLiteral("/help.html");
    // A missing help file shows nothing, rather than a viewer's error; a
    // desktop with no program to show it says so instead of nothing.
    if (QFileInfo(help).isFile() && !parts_.desktop.OpenUrl(QUrl::fromLocalFile(help)))
        ShowMessage(tr("No program to show web pages was found. The help page is %1.").arg(help).toStdString(),
                    "Tavoclip", MessageIcon::Exclamation);
    spots_.imgHelp->ClearPicture();
}

void frmMain::imgMin_Click()
{
    showMinimized();
    // Restored from the task bar, the button shows the plain skin.
    spots_.imgMin->ClearPicture();
}

void frmMain::lblWeb_Click()
{
    if (!parts_.desktop.OpenUrl(QUrl(kWebAddress)))
        ShowMessage(tr("No program to show web pages was found. The address is %1.").arg(kWebAddress).toStdString(),
                    "Tavoclip", MessageIcon::Exclamation);
}

void frmMain::imgExit_Click()
{
    // Only this way out saves the main settings; a folder that cannot be
    // written is not reported and the exit goes on.
    parts_.settings.SaveMainSettings(CurrentMainSettings());
    close();
    if (!unloading_)
        Form_Unload();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_Unload();
}

void frmMain::Form_Unload()
{
    if (unloading_)
        return;
    unloading_ = true;
    if (parts_.deleteTemporaryFiles)
        parts_.deleteTemporaryFiles();
    if (parts_.endProcess)
        parts_.endProcess();
}

frmMenu& frmMain::Menus()
{
    if (!menu_) {
        menu_ = std::make_unique<frmMenu>(*txtAction_, [this] { parts_.operations.RemoveAll(); });
        menu_->menuKeepFolders().setChecked(parts_.operations.KeepFolders());
    }
    return *menu_;
}

void frmMain::paintEvent(QPaintEvent*)
{
    if (skinPixmap_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(QPoint(0, 0), skinPixmap_);
}

void frmMain::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    drag_.Press(*event);
}

void frmMain::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    // Only the bare background (and what lies flat on it) reaches here; the
    // drag comes first, the hover reset after it.
    drag_.Move(*event);
    hover_->ResetHoverPictures();
}

void frmMain::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    drag_.Release(*event);
}

SourceListControls frmMain::ListControls()
{
    return {this, LV_, picText_, lblText_, &selections_->txtPath(), &parts_.messages};
}

void frmMain::SetOutputFolderText(const QString& folder)
{
    selections_->SetOutputFolderText(folder);
}

BatchSettings frmMain::CurrentBatchSettings() const
{
    return selections_->ForBatch();
}

void frmMain::ShowMessage(const std::string& text, const std::string& title, MessageIcon icon)
{
    parts_.messages.ShowMessage(text, title, icon);
}

}  // namespace tavoclip
