#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

#include "BackgroundDrag.h"
#include "BatchView.h"
#include "HoverPictures.h"
#include "MainLayout.h"
#include "OutputFormat.h"
#include "PictureStore.h"
#include "SettingsFile.h"
#include "SourceListControls.h"
#include "SourceQueue.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;

namespace tavoclip {

class HotSpot;
class LinkLabel;
class ProgressCaption;
class SettingsStore;
class ShellDesktop;
class ShellOperations;
class SourceListModel;
class SourceListView;
class frmMenu;

// Everything the main window is given; all of it outlives the window.
struct MainWindowParts {
    QString programFolder;
    QString version;  // "major.minor.patch"
    SettingsStore& settings;
    ConversionOptions& options;  // the process-wide record
    SourceQueue& queue;
    ShellOperations& operations;
    ShellDesktop& desktop;
    MessageSink& messages;
    // The unload's clean-up of the converter's scratch files.
    std::function<void()> deleteTemporaryFiles;
    // Ends the process once the window has unloaded.
    std::function<void()> endProcess;
};

// The skinned main window: it places the controls over the skin, lights the
// hot spots, routes every button, menu word and command word to its
// operation, and shows the batch that the driver runs through BatchView.
// Every control's objectName is its design name; members of a control array
// carry their index ("imgToolbar6", "imgMenu0").
class frmMain : public QWidget, public BatchView {
    Q_OBJECT
public:
    static inline const QString kTitle = QStringLiteral("Tavoclip");
    static inline const QString kWebAddress = QStringLiteral("https://tavoclip.example.com/");

    explicit frmMain(MainWindowParts parts, QWidget* parent = nullptr);
    ~frmMain() override;

    // The start-up sequence after the single-copy test: skin and shape,
    // default selections, saved settings, labels, options, scaling.
    void Form_Load();

    void imgExit_Click();
    void imgHelp_Click();
    void imgMin_Click();
    void imgMenu_Click(int index);
    void imgToolbar_Click(int index);
    void txtAction_Change();
    void lblWeb_Click();
    void cmbOF_Click();

    MainSettings CurrentMainSettings() const;
    void ApplySavedSettings(const SavedMainSettings& saved);
    QString DefaultOutputFolder() const;
    void SetOutputFolderText(const QString& folder);
    // The list, its prompt and the output folder field, for the list actions.
    SourceListControls ListControls();
    // The about box's text: product and version, rights, web address. The
    // product-name label shows kTitle and opens kWebAddress, so the box and
    // the label cannot disagree.
    QString AboutText() const;

    // frmMenu is created on first use and then kept, hidden.
    frmMenu& Menus();
    // A batch runs while its controls are disabled; there is no other record.
    bool BatchRunning() const;
    const QImage& skin() const { return skin_; }

    // BatchView
    void SetControlEnabled(std::string_view name, int index, bool enabled) override;
    void SetProgressBarWidth(float twips) override;
    void SetProgressCaption(const std::string& caption) override;
    std::string OutputFolderText() const override;
    BatchSelections CurrentSelections() const override;
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildLists();
    void BuildHotSpots();
    void BuildLabels();
    void ConnectHotSpots();
    void ConnectDropDowns();
    HotSpot* NewHotSpot(const QString& name, const main_layout::TwipsRect& rect);
    void Place(QWidget& control, const main_layout::TwipsRect& rect) const;
    int TwipsToPixels(double twips) const;
    void SelectIndex(QComboBox& list, std::optional<int> index);
    void RefillAudioList(AudioList list);
    void PopupAt(QMenu& menu, const main_layout::TwipsRect& below);
    void Form_Unload();
    QWidget* FindBatchControl(std::string_view name, int index) const;

    MainWindowParts parts_;
    double twipsPerPixel_ = 15.0;
    QImage skin_;
    QPixmap skinPixmap_;
    PictureStore pictures_;
    MainHotSpots spots_;
    std::unique_ptr<HoverPictures> hover_;
    std::unique_ptr<SourceListModel> model_;
    std::unique_ptr<frmMenu> menu_;
    std::optional<AudioList> audioList_;
    bool unloading_ = false;
    BackgroundDrag drag_;

    SourceListView* LV_ = nullptr;
    QWidget* picText_ = nullptr;
    QLabel* lblText_ = nullptr;
    QComboBox* cmbOF_ = nullptr;
    QComboBox* cmbBR_ = nullptr;
    QComboBox* cmbR_ = nullptr;
    QComboBox* cmbChannel_ = nullptr;
    QLineEdit* txtPath_ = nullptr;
    QLineEdit* txtAction_ = nullptr;
    QLabel* imgPB_ = nullptr;
    ProgressCaption* lblPB_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    LinkLabel* lblWeb_ = nullptr;
    HotSpot* imgAdd_ = nullptr;
    HotSpot* imgRemove_ = nullptr;
    HotSpot* imgStart_ = nullptr;
};

}  // namespace tavoclip
