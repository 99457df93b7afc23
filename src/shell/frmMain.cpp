#include "frmMain.h"

#include <algorithm>

#include <QCloseEvent>
#include <QAbstractItemView>
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
#include <QStyle>

#include "ApplyColorKey.h"
#include "MessageTexts.h"
#include "HotSpot.h"
#include "LinkLabel.h"
#include "MainButtonNames.h"
#include "MainLabels.h"
#include "MainShortcuts.h"
#include "MainSkin.h"
#include "RawText.h"
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

template <std::size_t N>
void FillList(QComboBox& list, const std::array<std::string_view, N>& texts)
{
    for (std::string_view text : texts)
        list.addItem(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

// The popup of a list is as wide as the list by default, which cuts its
// longest entries ("MP4(iPod/PSP MPEG4 Video)"); it is widened to the widest
// entry, with room for a scroll bar and the item margins.
void FitPopupToEntries(QComboBox& list)
{
    QAbstractItemView& view = *list.view();
    const QFontMetrics metrics(view.font());
    int widest = 0;
    for (int i = 0; i < list.count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(list.itemText(i)));
    const int chrome = view.style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * view.frameWidth() + 16;
    view.setMinimumWidth(std::max(list.width(), widest + chrome));
}

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
    setMouseTracking(true);
    twipsPerPixel_ = PlatformTwipsPerPixel(*this);
    resize(TwipsToPixels(ml::kClientWidth), TwipsToPixels(ml::kClientHeight));
    MainSkin::AddPictures(pictures_, devicePixelRatioF());
    model_ = std::make_unique<SourceListModel>(parts_.queue);
    BuildControls();
    hover_ = std::make_unique<HoverPictures>(spots_, pictures_);
    ConnectHotSpots();
    ConnectDropDowns();
    NameMainButtons(spots_, {imgAdd_, imgRemove_, imgStart_});
    // The keyboard beside the mouse; owned by the window.
    new MainShortcuts(*this, spots_, *imgRemove_, {LV_, cmbOF_, cmbBR_, cmbR_, cmbChannel_, txtPath_});
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

HotSpot* frmMain::NewHotSpot(const QString& name, const ml::TwipsRect& rect)
{
    auto* spot = new HotSpot(this);
    spot->setObjectName(name);
    Place(*spot, rect);
    return spot;
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

    const auto newList = [this](const QString& name, const QString& tip, const ml::TwipsRect& rect) {
        auto* list = new QComboBox(this);
        list->setObjectName(name);
        list->setToolTip(tip);
        Place(*list, rect);
        KeepPointer(*list);
        return list;
    };
    cmbOF_ = newList(QStringLiteral("cmbOF"), tr("Output Format"), ml::kFormatList);
    for (const OutputFormat& format : kOutputFormats)
        cmbOF_->addItem(QString::fromUtf8(format.listText.data(), static_cast<qsizetype>(format.listText.size())));
    cmbBR_ = newList(QStringLiteral("cmbBR"), tr("Video Bitrate"), ml::kVideoBitrateList);
    FillList(*cmbBR_, kVideoBitrates);
    cmbR_ = newList(QStringLiteral("cmbR"), tr("Screen Size"), ml::kScreenSizeList);
    FillList(*cmbR_, kScreenSizes);
    cmbChannel_ = newList(QStringLiteral("cmbChannel"), tr("Audio Bitrate"), ml::kAudioBitrateList);
    RefillAudioList(AudioList::General);
    // When the window is created no list has a selection; start-up picks.
    for (QComboBox* list : {cmbOF_, cmbBR_, cmbR_, cmbChannel_})
        list->setCurrentIndex(-1);
    connect(cmbOF_, &QComboBox::currentIndexChanged, this, [this] { cmbOF_Click(); });

    txtPath_ = new QLineEdit(this);
    txtPath_->setObjectName(QStringLiteral("txtPath"));
    Place(*txtPath_, ml::kOutputFolder);
    txtPath_->setFont(TahomaFont(8.25));
    txtPath_->setToolTip(tr("Select a Folder to Output"));
    KeepPointer(*txtPath_);
}

void frmMain::BuildHotSpots()
{
    for (std::size_t i = 0; i < ml::kMenuWords.size(); ++i)
        spots_.imgMenu[i] = NewHotSpot(QStringLiteral("imgMenu%1").arg(i), ml::kMenuWords[i]);
    for (int index : ml::kToolbarOrder) {
        const auto slot = static_cast<std::size_t>(index);
        spots_.imgToolbar[slot] = NewHotSpot(QStringLiteral("imgToolbar%1").arg(index), ml::kToolbar[slot]);
    }
    spots_.imgHelp = NewHotSpot(QStringLiteral("imgHelp"), ml::kHelp);
    spots_.imgHelp->setToolTip(tr("Help & Tutorial"));
    spots_.imgMin = NewHotSpot(QStringLiteral("imgMin"), ml::kMin);
    spots_.imgMin->setToolTip(tr("Minimize Window"));
    spots_.imgExit = NewHotSpot(QStringLiteral("imgExit"), ml::kExit);
    spots_.imgExit->setToolTip(tr("Exit"));
    for (HotSpot* hand : {spots_.imgHelp, spots_.imgMin, spots_.imgExit})
        hand->setCursor(Qt::PointingHandCursor);
    spots_.imgBrowse = NewHotSpot(QStringLiteral("imgBrowse"), ml::kBrowse);
    spots_.imgBrowse->setToolTip(tr("Select an Output Folder"));
    spots_.imgConvert = NewHotSpot(QStringLiteral("imgConvert"), ml::kConvert);
    // While a batch runs these are disabled; the veil greys them out.
    spots_.imgConvert->SetDisabledVeil(QColor(246, 249, 250, 120));
    for (HotSpot* button : spots_.imgToolbar)
        if (button != nullptr)
            button->SetDisabledVeil(QColor(246, 249, 250, 170));
    for (HotSpot* word : spots_.imgMenu)
        word->SetDisabledVeil(QColor(24, 76, 82, 170));

    // The tool tips are fixed texts; they do not name the list each opens.
    const auto dropDown = [this](const QString& name, const ml::TwipsRect& rect, const QString& tip) {
        HotSpot* button = NewHotSpot(name, rect);
        button->setToolTip(tip);
        button->SetRestPicture(pictures_.Picture(QStringLiteral("imgButton")));
        return button;
    };
    spots_.picButtonOF = dropDown(QStringLiteral("picButtonOF"), ml::kDropDownOF, tr("MP3 Audio Bitrate"));
    spots_.picButtonBR = dropDown(QStringLiteral("picButtonBR"), ml::kDropDownBR, tr("MP3 Audio Bitrate"));
    spots_.picButtonR = dropDown(QStringLiteral("picButtonR"), ml::kDropDownR, tr("MP3 Audio Rate"));
    spots_.picButtonChannel = dropDown(QStringLiteral("picButtonChannel"), ml::kDropDownChannel,
                                       tr("MP3 Audio Channel(Stereo or Mono)"));

    // Reached only through the toolbar, the menus and Convert.
    imgAdd_ = NewHotSpot(QStringLiteral("imgAdd"), ml::kOffscreenButton);
    imgRemove_ = NewHotSpot(QStringLiteral("imgRemove"), ml::kOffscreenButton);
    imgStart_ = NewHotSpot(QStringLiteral("imgStart"), ml::kOffscreenButton);
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

void frmMain::ConnectHotSpots()
{
    for (std::size_t i = 0; i < spots_.imgMenu.size(); ++i) {
        const int index = static_cast<int>(i);
        connect(spots_.imgMenu[i], &HotSpot::hovered, this, [this, index] { hover_->LightMenuWord(index); });
        connect(spots_.imgMenu[i], &HotSpot::clicked, this, [this, index] { imgMenu_Click(index); });
    }
    for (int index : ml::kToolbarOrder) {
        HotSpot* button = spots_.imgToolbar[static_cast<std::size_t>(index)];
        connect(button, &HotSpot::hovered, this, [this, index] { hover_->LightToolbarButton(index); });
        connect(button, &HotSpot::pressed, this, [this] { hover_->ClearToolbar(); });
        connect(button, &HotSpot::clicked, this, [this, index] { imgToolbar_Click(index); });
    }
    const auto lightOnHover = [this](HotSpot* spot, const QString& picture) {
        connect(spot, &HotSpot::hovered, this, [this, spot, picture] { hover_->Light(*spot, picture); });
    };
    lightOnHover(spots_.imgHelp, QStringLiteral("imgHelpLight"));
    lightOnHover(spots_.imgMin, QStringLiteral("imgMinLight"));
    lightOnHover(spots_.imgExit, QStringLiteral("imgExitLight"));
    lightOnHover(spots_.imgBrowse, QStringLiteral("imgBrowseLight"));
    lightOnHover(spots_.imgConvert, QStringLiteral("imgConvertData"));
    connect(spots_.imgHelp, &HotSpot::clicked, this, [this] { imgHelp_Click(); });
    connect(spots_.imgMin, &HotSpot::clicked, this, [this] { imgMin_Click(); });
    connect(spots_.imgExit, &HotSpot::clicked, this, [this] { imgExit_Click(); });
    connect(spots_.imgBrowse, &HotSpot::pressed, this, [this] { hover_->ShowBrowsePressed(); });
    connect(spots_.imgBrowse, &HotSpot::clicked, this, [this] { parts_.operations.BrowseOutputFolder(); });
    connect(spots_.imgConvert, &HotSpot::pressed, spots_.imgConvert, &HotSpot::ClearPicture);
    connect(spots_.imgConvert, &HotSpot::clicked, this, [this] { parts_.operations.StartBatch(); });
    connect(spots_.lblFeed, &LinkLabel::hovered, this, [this] { spots_.lblFeed->SetBold(true); });
    connect(spots_.lblFeed, &LinkLabel::clicked, this, [this] { parts_.operations.ShowFeedback(); });
    connect(lblWeb_, &LinkLabel::clicked, this, [this] { lblWeb_Click(); });
    connect(imgAdd_, &HotSpot::clicked, this, [this] { parts_.operations.AddFiles(); });
    connect(imgRemove_, &HotSpot::clicked, this, [this] { parts_.operations.RemoveSelected(); });
    connect(imgStart_, &HotSpot::clicked, this, [this] { parts_.operations.StartBatch(); });
}

void frmMain::ConnectDropDowns()
{
    const std::array<std::pair<HotSpot*, QComboBox*>, 4> pairs{{{spots_.picButtonOF, cmbOF_},
                                                                 {spots_.picButtonBR, cmbBR_},
                                                                 {spots_.picButtonR, cmbR_},
                                                                 {spots_.picButtonChannel, cmbChannel_}}};
    for (const auto& [button, list] : pairs) {
        connect(button, &HotSpot::hovered, this,
                [this, button] { hover_->Light(*button, QStringLiteral("imgButtonLight")); });
        connect(button, &HotSpot::clicked, list, &QComboBox::showPopup);
    }
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

    cmbBR_->setCurrentIndex(7);
    cmbR_->setCurrentIndex(1);
    cmbChannel_->setCurrentIndex(1);
    cmbOF_->setCurrentIndex(0);
    txtPath_->setText(DefaultOutputFolder());
    if (const std::optional<SavedMainSettings> saved = parts_.settings.LoadMainSettings())
        ApplySavedSettings(*saved);
    if (txtPath_->text().isEmpty())
        txtPath_->setText(DefaultOutputFolder());

    lblVersion_->setText(tr("Ver ") + parts_.version);
    lblWeb_->setText(kTitle);
    parts_.options = parts_.settings.LoadOptions();
    ScaleWindowToScreen(*this, QStringLiteral("txtPath"));
    FitPopupToEntries(*cmbOF_);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QString frmMain::DefaultOutputFolder() const
{
    return parts_.settings.Paths().DefaultOutputFolder();
}

void frmMain::SelectIndex(QComboBox& list, std::optional<int> index)
{
    // An index the list does not hold leaves the selection as it was.
    if (index && *index >= 0 && *index < list.count())
        list.setCurrentIndex(*index);
}

void frmMain::ApplySavedSettings(const SavedMainSettings& saved)
{
    SelectIndex(*cmbBR_, saved.videoBitrateIndex);
    SelectIndex(*cmbR_, saved.screenSizeIndex);
    SelectIndex(*cmbChannel_, saved.audioBitrateIndex);
    if (saved.outputFolder)
        txtPath_->setText(DecodeRawText(*saved.outputFolder));
    // Selecting another format runs the format-change rule, which replaces
    // the three selections just restored.
    SelectIndex(*cmbOF_, saved.outputFormatIndex);
}

MainSettings frmMain::CurrentMainSettings() const
{
    MainSettings settings;
    settings.videoBitrateIndex = static_cast<std::int16_t>(cmbBR_->currentIndex());
    settings.screenSizeIndex = static_cast<std::int16_t>(cmbR_->currentIndex());
    settings.audioBitrateIndex = static_cast<std::int16_t>(cmbChannel_->currentIndex());
    // A saved folder that is not valid UTF-8 keeps its bytes in the text box,
    // so it is saved back, and refused by the batch, as it is.
    settings.outputFolder = EncodeRawText(txtPath_->text());
    settings.outputFormatIndex = static_cast<std::int16_t>(cmbOF_->currentIndex());
    return settings;
}

void frmMain::RefillAudioList(AudioList list)
{
    cmbChannel_->clear();
    for (std::string_view text : AudioBitrateList(list))
        cmbChannel_->addItem(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    audioList_ = list;
}

void frmMain::cmbOF_Click()
{
    if (FindOutputFormat(cmbOF_->currentIndex()) == nullptr)
        return;
    const FormatChangeResult change = ApplyFormatChange(cmbOF_->currentIndex());
    RefillAudioList(change.audioList);
    cmbChannel_->setCurrentIndex(change.audioBitrateIndex);
    cmbR_->setCurrentIndex(change.screenSizeIndex);
    cmbBR_->setCurrentIndex(change.videoBitrateIndex);
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
    switch (index) {
    case 0: parts_.operations.AddFiles(); break;
    case 6: parts_.operations.AddFolder(); break;
    case 1: parts_.desktop.PopupMenu(Menus().menuRemove(), QCursor::pos()); break;
    case 2: parts_.operations.ShowOptions(); break;
    case 3: imgHelp_Click(); break;
    case 4: imgExit_Click(); break;
    default: break;
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
        imgToolbar_Click(6);
    if (txtAction_->text() == QLatin1String("menuExit"))
        imgExit_Click();
    if (txtAction_->text() == QLatin1String("menuHelp"))
        imgHelp_Click();
    if (txtAction_->text() == QLatin1String("menuOption"))
        imgToolbar_Click(2);
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
    const QString help = parts_.programFolder + tr("/help.html", "the help page's file name; a translated page help_<language>.html");
    // A missing help file shows nothing, rather than a viewer's error.
    if (QFileInfo(help).isFile())
        parts_.desktop.OpenUrl(QUrl::fromLocalFile(help));
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
    parts_.desktop.OpenUrl(QUrl(kWebAddress));
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
    if (!menu_)
        menu_ = std::make_unique<frmMenu>(*txtAction_, [this] { parts_.operations.RemoveAll(); });
    return *menu_;
}

bool frmMain::BatchRunning() const
{
    return !spots_.imgConvert->isEnabled();
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

QWidget* frmMain::FindBatchControl(std::string_view name, int index) const
{
    QString objectName = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (index != kNoIndex)
        objectName += QString::number(index);
    return findChild<QWidget*>(objectName, Qt::FindDirectChildrenOnly);
}

void frmMain::SetControlEnabled(std::string_view name, int index, bool enabled)
{
    if (QWidget* control = FindBatchControl(name, index))
        control->setEnabled(enabled);
}

void frmMain::SetProgressBarWidth(float twips)
{
    // The bar's full 5415 twips is the trough's width as laid out, so the bar
    // never runs past the trough whatever the scaling did to it.
    const int full = qRound(TwipsToPixels(ml::kProgressBar.width) * PlatformScaleFactors(*this).horizontal);
    const double share = std::clamp(static_cast<double>(twips) / ml::kProgressBar.width, 0.0, 1.0);
    const int width = qRound(full * share);
    imgPB_->setVisible(width > 0);
    imgPB_->resize(width, imgPB_->height());
}

void frmMain::SetProgressCaption(const std::string& caption)
{
    lblPB_->setText(MessageTexts::Translate(caption));
}

SourceListControls frmMain::ListControls()
{
    return {this, LV_, picText_, lblText_, txtPath_};
}

void frmMain::SetOutputFolderText(const QString& folder)
{
    txtPath_->setText(folder);
}

std::string frmMain::OutputFolderText() const
{
    return EncodeRawText(txtPath_->text());
}

BatchSelections frmMain::CurrentSelections() const
{
    return {cmbOF_->currentIndex(), cmbBR_->currentText().toStdString(), cmbR_->currentText().toStdString(),
            cmbChannel_->currentText().toStdString()};
}

void frmMain::ShowMessage(const std::string& text, const std::string& title, MessageIcon icon)
{
    parts_.messages.ShowMessage(text, title, icon);
}

}  // namespace tavoclip
