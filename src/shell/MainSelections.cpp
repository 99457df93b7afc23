#include "MainSelections.h"

#include <QCoreApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>

#include <algorithm>

#include "MainLabels.h"
#include "NamedComboBox.h"
#include "RawText.h"

namespace tavoclip {

namespace ml = main_layout;

namespace {

template <std::size_t N>
void FillList(QComboBox& list, const std::array<std::string_view, N>& texts)
{
    for (std::string_view text : texts)
        list.addItem(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

// An index the list does not hold leaves the selection as it was.
void SelectIndex(QComboBox& list, std::optional<int> index)
{
    if (index && *index >= 0 && *index < list.count())
        list.setCurrentIndex(*index);
}

}  // namespace

// The lists and the field keep the pointer to themselves: a move over them
// must not reach the background (which would clear the hover pictures) and
// a press on them must never start a window drag.
MainSelections::MainSelections(QWidget& window, const PlaceControl& place) : QObject(&window)
{
    const auto newList = [&](const QString& name, const QString& tip, const ml::TwipsRect& rect) {
        // Named by what it chooses, its tool tip, not by its current entry.
        auto* list = new NamedComboBox(tip, &window);
        list->setObjectName(name);
        list->setToolTip(tip);
        // The skin's condensed face, as in the folder field: the longest
        // format names fit beside the drop-down button in it.
        list->setFont(TahomaFont(8.25));
        place(*list, rect);
        list->setAttribute(Qt::WA_NoMousePropagation);
        return list;
    };
    cmbOF_ = newList(QStringLiteral("cmbOF"), QCoreApplication::translate("MainWindow", "Output Format"), ml::kFormatList);
    for (const OutputFormat& format : kOutputFormats)
        cmbOF_->addItem(QString::fromUtf8(format.listText.data(), static_cast<qsizetype>(format.listText.size())));
    cmbBR_ = newList(QStringLiteral("cmbBR"), QCoreApplication::translate("MainWindow", "Video Bitrate"), ml::kVideoBitrateList);
    FillList(*cmbBR_, kVideoBitrates);
    cmbR_ = newList(QStringLiteral("cmbR"), QCoreApplication::translate("MainWindow", "Screen Size"), ml::kScreenSizeList);
    FillList(*cmbR_, kScreenSizes);
    cmbChannel_ = newList(QStringLiteral("cmbChannel"), QCoreApplication::translate("MainWindow", "Audio Bitrate"), ml::kAudioBitrateList);
    RefillAudioList(AudioList::General);
    for (QComboBox* list : {cmbOF_, cmbBR_, cmbR_, cmbChannel_})
        list->setCurrentIndex(-1);
    connect(cmbOF_, &QComboBox::currentIndexChanged, this, &MainSelections::FormatChosen);
    for (QComboBox* list : {cmbOF_, cmbBR_, cmbR_, cmbChannel_})
        connect(list, &QComboBox::currentIndexChanged, this, &MainSelections::changed);

    txtPath_ = new QLineEdit(&window);
    txtPath_->setObjectName(QStringLiteral("txtPath"));
    place(*txtPath_, ml::kOutputFolder);
    txtPath_->setFont(TahomaFont(8.25));
    txtPath_->setToolTip(QCoreApplication::translate("MainWindow", "Select a Folder to Output"));
    txtPath_->setAccessibleName(QCoreApplication::translate("MainWindow", "Output Folder"));
    txtPath_->setAttribute(Qt::WA_NoMousePropagation);
    connect(txtPath_, &QLineEdit::textChanged, this, &MainSelections::changed);
}

void MainSelections::LoadStartChoices(const std::optional<SavedMainSettings>& saved, const QString& defaultFolder)
{
    cmbBR_->setCurrentIndex(7);
    cmbR_->setCurrentIndex(1);
    cmbChannel_->setCurrentIndex(1);
    cmbOF_->setCurrentIndex(0);
    txtPath_->setText(defaultFolder);
    if (saved)
        ApplySaved(*saved);
    if (txtPath_->text().isEmpty())
        txtPath_->setText(defaultFolder);
}

void MainSelections::ApplySaved(const SavedMainSettings& saved)
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

MainSettings MainSelections::Current() const
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

BatchSettings MainSelections::ForBatch() const
{
    return {{cmbOF_->currentIndex(), cmbBR_->currentText().toStdString(), cmbR_->currentText().toStdString(),
             cmbChannel_->currentText().toStdString()},
            EncodeRawText(txtPath_->text())};
}

void MainSelections::SetOutputFolderText(const QString& folder)
{
    txtPath_->setText(folder);
}

void MainSelections::RefillAudioList(AudioList list)
{
    cmbChannel_->clear();
    for (std::string_view text : AudioBitrateList(list))
        cmbChannel_->addItem(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void MainSelections::FormatChosen()
{
    if (FindOutputFormat(cmbOF_->currentIndex()) == nullptr)
        return;
    const FormatChangeResult change = ApplyFormatChange(cmbOF_->currentIndex());
    RefillAudioList(change.audioList);
    cmbChannel_->setCurrentIndex(change.audioBitrateIndex);
    cmbR_->setCurrentIndex(change.screenSizeIndex);
    cmbBR_->setCurrentIndex(change.videoBitrateIndex);
}

// The popup of a list is as wide as the list by default, which cuts its
// longest entries ("MP4(iPod/PSP MPEG4 Video)"); it is widened to the widest
// entry, with room for a scroll bar and the item margins.
void MainSelections::FitFormatPopup()
{
    QAbstractItemView& view = *cmbOF_->view();
    const QFontMetrics metrics(view.font());
    int widest = 0;
    for (int i = 0; i < cmbOF_->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(cmbOF_->itemText(i)));
    const int chrome = view.style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * view.frameWidth() + 16;
    view.setMinimumWidth(std::max(cmbOF_->width(), widest + chrome));
}

}  // namespace tavoclip
