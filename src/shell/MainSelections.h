#pragma once

#include <QObject>
#include <QString>

#include <optional>

#include "BatchView.h"
#include "MainLabels.h"
#include "OutputFormat.h"
#include "SettingsFile.h"

class QComboBox;
class QLineEdit;
class QWidget;

namespace tavoclip {

// The main window's four lists (cmbOF, cmbBR, cmbR, cmbChannel) and the
// output folder field (txtPath): the choices a batch converts with, the
// format-change rule between the lists, and their saved form. The controls
// are children of the window; this object only holds them.
class MainSelections final : public QObject {
    Q_OBJECT
public:
    // Builds the controls on window, placed by place; no list has a
    // selection until LoadStartChoices.
    MainSelections(QWidget& window, const PlaceControl& place);

    // The start-up choices: the defaults, then what setup.ini held, then the
    // default output folder if the folder text is still empty.
    void LoadStartChoices(const std::optional<SavedMainSettings>& saved, const QString& defaultFolder);
    void ApplySaved(const SavedMainSettings& saved);
    MainSettings Current() const;
    BatchSettings ForBatch() const;
    void SetOutputFolderText(const QString& folder);
    // cmbOF's click: the format-change rule refills the audio list and
    // selects the format's rates and size.
    void FormatChosen();
    // The format list's popup as wide as its widest entry.
    void FitFormatPopup();

    QComboBox& cmbOF() const { return *cmbOF_; }
    QComboBox& cmbBR() const { return *cmbBR_; }
    QComboBox& cmbR() const { return *cmbR_; }
    QComboBox& cmbChannel() const { return *cmbChannel_; }
    QLineEdit& txtPath() const { return *txtPath_; }

signals:
    // A selection or the folder text changed.
    void changed();

private:
    void RefillAudioList(AudioList list);

    QComboBox* cmbOF_ = nullptr;
    QComboBox* cmbBR_ = nullptr;
    QComboBox* cmbR_ = nullptr;
    QComboBox* cmbChannel_ = nullptr;
    QLineEdit* txtPath_ = nullptr;
};

}  // namespace tavoclip
