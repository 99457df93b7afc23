#include "frmOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "DialogSkin.h"
#include "HotSpot.h"
#include "NamedComboBox.h"
#include "NumberText.h"
#include "ScaleFormLayout.h"
#include "SettingsStore.h"

namespace tavoclip {

namespace {

constexpr int kSecondsPerHour = 3600;
constexpr int kSecondsPerMinute = 60;
const char* const kSoundTip = QT_TRANSLATE_NOOP("tavoclip::frmOptions", "MP3 Audio Bitrate");

struct FieldPlace {
    const char* name;
    int left;
    int top;
    int width;
    const char* accessibleName;  // what the skin's words around it say
};

// txtFromH, txtFromM, txtFromS, txtToH, txtToM, txtToS in twips; all 270 high.
constexpr FieldPlace kTimeFields[6] = {
    {"txtFromH", 1410, 1270, 285, QT_TRANSLATE_NOOP("tavoclip::frmOptions", "Start hours")},
    {"txtFromM", 2400, 1270, 465, QT_TRANSLATE_NOOP("tavoclip::frmOptions", "Start minutes")},
    {"txtFromS", 3450, 1270, 645, QT_TRANSLATE_NOOP("tavoclip::frmOptions", "Start seconds")},
    {"txtToH", 1410, 1630, 285, QT_TRANSLATE_NOOP("tavoclip::frmOptions", "Length hours")},
    {"txtToM", 2400, 1630, 465, QT_TRANSLATE_NOOP("tavoclip::frmOptions", "Length minutes")},
    {"txtToS", 3450, 1630, 645, QT_TRANSLATE_NOOP("tavoclip::frmOptions", "Length seconds")},
};

}  // namespace

frmOptions::frmOptions(ConversionOptions& options, const SettingsStore& settings, MessageSink& messages,
                       QWidget* parent)
    : SkinnedDialog(tr("Options"), 4920, 2625, parent),
      options_(options),
      settings_(settings),
      messages_(messages)
{
    setObjectName(QStringLiteral("frmOptions"));
    BuildSkin();
    BuildControls();
    BuildButtons();
    ScaleWindowToScreen(*this);
    Form_Load();
}

void frmOptions::BuildSkin()
{
    const qreal ratio = devicePixelRatioF();
    DialogSkinLayout layout;
    layout.panel = size();
    layout.title = windowTitle();
    layout.exitButton = FromTwips(4480, 160, 225, 225);
    layout.buttons = {{FromTwips(2490, 2040, 870, 270), tr("OK")}, {FromTwips(3690, 2040, 870, 270), tr("Back")}};
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    // The check box is too narrow to show its own caption, so the skin says
    // what it is, as it names every other control.
    layout.texts = {{QRect(12, 34, 126, 20), tr("Completion Sound"), right},
                    {QRect(12, 60, 126, 20), tr("Music Cutter"), right},
                    {QRect(12, 85, 76, 18), tr("Start"), right},
                    {QRect(12, 109, 76, 18), tr("Length"), right}};
    for (int row : {85, 109}) {
        layout.texts.push_back({QRect(116, row, 20, 18), tr("h")});
        layout.texts.push_back({QRect(194, row, 20, 18), tr("m")});
        layout.texts.push_back({QRect(276, row, 20, 18), tr("s")});
    }
    SetSkin(DialogSkin::Background(layout, ratio));
    pictures().Add(QStringLiteral("imgOKLight"), DialogSkin::ButtonLight(tr("OK"), ratio));
    pictures().Add(QStringLiteral("imgBackLight"), DialogSkin::ButtonLight(tr("Back"), ratio));
    pictures().Add(QStringLiteral("imgExitLight"), DialogSkin::ExitLight(ratio));
    pictures().Add(QStringLiteral("imgButton"), DialogSkin::Arrow(false, ratio));
    pictures().Add(QStringLiteral("imgButtonLight"), DialogSkin::Arrow(true, ratio));
}

void frmOptions::BuildControls()
{
    // The tool tip is not what the list chooses; the name and description are.
    cmbSR_ = new NamedComboBox(tr("Completion Sound"), this);
    cmbSR_->setObjectName(QStringLiteral("cmbSR"));
    cmbSR_->setGeometry(FromTwips(2190, 510, 2445, 300));
    cmbSR_->addItems({tr("ON"), tr("OFF")});
    cmbSR_->setToolTip(tr(kSoundTip));
    cmbSR_->setAccessibleDescription(tr("Plays a sound when a batch ends"));

    chkMC_ = new QCheckBox(this);
    chkMC_->setObjectName(QStringLiteral("chkMC"));
    chkMC_->setGeometry(FromTwips(2190, 960, 195, 190));
    chkMC_->setAccessibleName(tr("Music Cutter"));
    connect(chkMC_, &QCheckBox::stateChanged, this, &frmOptions::chkMC_Click);
    // A greyed value from options.ini shows as such, but a click leaves the
    // grey state for good: the user chooses only on or off.
    connect(chkMC_, &QCheckBox::clicked, this, [this] { chkMC_->setTristate(false); });

    for (int i = 0; i < 6; ++i) {
        const FieldPlace& place = kTimeFields[i];
        timeFields_[i] = new QLineEdit(QStringLiteral("0"), this);
        timeFields_[i]->setObjectName(QString::fromLatin1(place.name));
        timeFields_[i]->setGeometry(FromTwips(place.left, place.top, place.width, 270));
        timeFields_[i]->setAccessibleName(tr(place.accessibleName));
    }
}

void frmOptions::BuildButtons()
{
    picButtonBR_ = new HotSpot(this);
    picButtonBR_->setObjectName(QStringLiteral("picButtonBR"));
    picButtonBR_->setGeometry(FromTwips(4345, 530, 285, 285));
    picButtonBR_->setToolTip(tr(kSoundTip));
    picButtonBR_->SetRestPicture(pictures().Picture(QStringLiteral("imgButton")));
    connect(picButtonBR_, &HotSpot::hovered, this,
            [this] { picButtonBR_->SetPicture(pictures().Picture(QStringLiteral("imgButtonLight"))); });
    picButtonBR_->setAccessibleName(tr("Open the sound list"));
    picButtonBR_->setAccessibleDescription(picButtonBR_->toolTip().isEmpty() ? picButtonBR_->accessibleName()
                                                                             : picButtonBR_->toolTip());
    connect(picButtonBR_, &HotSpot::clicked, this, &frmOptions::picButtonBR_Click);

    imgOK_ = AddHotSpot(QStringLiteral("imgOK"), FromTwips(2490, 2040, 870, 270), QString(),
                        QStringLiteral("imgOKLight"), tr("OK"));
    imgBack_ = AddHotSpot(QStringLiteral("imgBack"), FromTwips(3690, 2040, 870, 270), tr("Back"),
                          QStringLiteral("imgBackLight"), tr("Back"));
    imgExit_ = AddHotSpot(QStringLiteral("imgExit"), FromTwips(4480, 160, 225, 225), tr("Exit"),
                          QStringLiteral("imgExitLight"), tr("Exit"));
    connect(imgOK_, &HotSpot::clicked, this, &frmOptions::imgOK_Click);
    connect(imgBack_, &HotSpot::clicked, this, &frmOptions::imgBack_Click);
    connect(imgExit_, &HotSpot::clicked, this, &frmOptions::imgExit_Click);
    SetKeyButtons(imgOK_, imgBack_);
}

void frmOptions::Form_Load()
{
    if (options_.completionSoundIndex == 0 || options_.completionSoundIndex == 1)
        cmbSR_->setCurrentIndex(options_.completionSoundIndex);
    else
        cmbSR_->setCurrentIndex(-1);

    switch (options_.musicCutterEnabled) {
        case 1:
            chkMC_->setCheckState(Qt::Checked);
            break;
        case 2:
            chkMC_->setCheckState(Qt::PartiallyChecked);
            break;
        default:
            chkMC_->setCheckState(Qt::Unchecked);
            break;
    }
    // A check box that starts unchecked raises no change, so the fields are
    // set here whatever the state.
    chkMC_Click();
    // With the cutter off the fields keep "0"; the stored window is not shown.
    if (chkMC_->checkState() == Qt::Checked) {
        ShowSplit(options_.cutStartSeconds, txtFromH(), txtFromM(), txtFromS());
        ShowSplit(options_.cutLengthSeconds, txtToH(), txtToM(), txtToS());
    }
}

void frmOptions::ShowSplit(int totalSeconds, QLineEdit& hours, QLineEdit& minutes, QLineEdit& seconds)
{
    const double total = totalSeconds;
    const double h = std::floor(total / kSecondsPerHour);
    const double m = std::floor((total - h * kSecondsPerHour) / kSecondsPerMinute);
    const double s = std::floor(total - h * kSecondsPerHour - m * kSecondsPerMinute);
    hours.setText(QString::number(h, 'f', 0));
    minutes.setText(QString::number(m, 'f', 0));
    seconds.setText(QString::number(s, 'f', 0));
}

void frmOptions::chkMC_Click()
{
    const bool on = chkMC_->checkState() == Qt::Checked;
    for (QLineEdit* field : timeFields_)
        field->setEnabled(on);
}

void frmOptions::picButtonBR_Click()
{
    cmbSR_->showPopup();
}

void frmOptions::imgOK_Click()
{
    if (!CheckBelowSixty(txtFromM(), QT_TR_NOOP("Minutes must less than 60")) ||
        !CheckBelowSixty(txtToM(), QT_TR_NOOP("Minutes must less than 60")) ||
        !CheckBelowSixty(txtFromS(), QT_TR_NOOP("Seconds must less than 60")) ||
        !CheckBelowSixty(txtToS(), QT_TR_NOOP("Seconds must less than 60")))
        return;

    const bool allZero = std::all_of(std::begin(timeFields_), std::end(timeFields_),
                                     [this](const QLineEdit* field) { return FieldNumber(*field) == 0; });
    if (allZero)
        chkMC_->setCheckState(Qt::Unchecked);

    options_.completionSoundIndex = static_cast<std::int16_t>(cmbSR_->currentIndex());
    options_.musicCutterEnabled = static_cast<std::int16_t>(chkMC_->checkState() == Qt::Checked     ? 1
                                                            : chkMC_->checkState() == Qt::Unchecked ? 0
                                                                                                    : 2);
    // Stored from whatever the fields show, cutter on or off.
    StoreSeconds(options_.cutStartSeconds, txtFromH(), txtFromM(), txtFromS());
    StoreSeconds(options_.cutLengthSeconds, txtToH(), txtToM(), txtToS());
    // The new options apply either way; the user learns that they will not
    // survive a restart when the program folder cannot be written.
    if (!settings_.SaveOptions(options_))
        messages_.ShowMessage(tr("The options could not be saved to %1. They apply until Tavoclip ends.")
                                  .arg(settings_.optionsPath())
                                  .toStdString(),
                              "Tavoclip", MessageIcon::Exclamation);
    accept();
}

bool frmOptions::CheckBelowSixty(QLineEdit& field, const char* message)
{
    if (FieldNumber(field) <= 59)
        return true;
    messages_.ShowMessage(tr(message).toStdString(), tr("Min").toStdString(), MessageIcon::Exclamation);
    // A disabled field (cutter off) cannot take the focus; the dialog stays
    // open all the same.
    field.setFocus();
    return false;
}

double frmOptions::FieldNumber(const QLineEdit& field) const
{
    return LeadingNumber(field.text().toStdString());
}

void frmOptions::StoreSeconds(std::int32_t& target, const QLineEdit& hours, const QLineEdit& minutes,
                              const QLineEdit& seconds) const
{
    const double total =
        FieldNumber(hours) * kSecondsPerHour + FieldNumber(minutes) * kSecondsPerMinute + FieldNumber(seconds);
    // A total beyond the 32-bit range leaves the stored value as it was.
    if (const auto whole = ToInt32(total))
        target = *whole;
}

void frmOptions::ResetHoverPictures()
{
    imgExit_->ClearPicture();
    imgBack_->ClearPicture();
    imgOK_->ClearPicture();
    picButtonBR_->ClearPicture();
}

}  // namespace tavoclip
