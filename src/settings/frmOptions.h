#pragma once

#include "MessageSink.h"
#include "OutputFormat.h"
#include "SkinnedDialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tavoclip {

class HotSpot;
class SettingsStore;

// The options dialog: the completion sound and the music cutter, a window
// of the source (start and length, each as hours, minutes and seconds) that
// is converted instead of the whole file. It opens from the process-wide
// options; OK checks the minutes and seconds, stores the options and saves
// them; Back and the exit button change nothing.
class frmOptions : public SkinnedDialog {
    Q_OBJECT

public:
    // options is the process-wide record; settings writes options.ini.
    frmOptions(ConversionOptions& options, const SettingsStore& settings, MessageSink& messages,
               QWidget* parent = nullptr);

    void chkMC_Click();
    void imgOK_Click();
    void imgBack_Click() { close(); }
    void imgExit_Click() { close(); }
    void picButtonBR_Click();

    QComboBox& cmbSR() const { return *cmbSR_; }
    QCheckBox& chkMC() const { return *chkMC_; }
    QLineEdit& txtFromH() const { return *timeFields_[0]; }
    QLineEdit& txtFromM() const { return *timeFields_[1]; }
    QLineEdit& txtFromS() const { return *timeFields_[2]; }
    QLineEdit& txtToH() const { return *timeFields_[3]; }
    QLineEdit& txtToM() const { return *timeFields_[4]; }
    QLineEdit& txtToS() const { return *timeFields_[5]; }
    HotSpot& picButtonBR() const { return *picButtonBR_; }
    HotSpot& imgOK() const { return *imgOK_; }
    HotSpot& imgBack() const { return *imgBack_; }
    HotSpot& imgExit() const { return *imgExit_; }

protected:
    void ResetHoverPictures() override;

private:
    void BuildSkin();
    void BuildControls();
    void BuildButtons();
    void Form_Load();
    void ShowSplit(int totalSeconds, QLineEdit& hours, QLineEdit& minutes, QLineEdit& seconds);
    bool CheckBelowSixty(QLineEdit& field, const char* message);
    double FieldNumber(const QLineEdit& field) const;
    void StoreSeconds(std::int32_t& target, const QLineEdit& hours, const QLineEdit& minutes,
                      const QLineEdit& seconds) const;

    ConversionOptions& options_;
    const SettingsStore& settings_;
    MessageSink& messages_;
    QComboBox* cmbSR_ = nullptr;
    QCheckBox* chkMC_ = nullptr;
    QLineEdit* timeFields_[6] = {};
    HotSpot* picButtonBR_ = nullptr;
    HotSpot* imgOK_ = nullptr;
    HotSpot* imgBack_ = nullptr;
    HotSpot* imgExit_ = nullptr;
};

}  // namespace tavoclip
