#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

#include "BackgroundDrag.h"
#include "BatchView.h"
#include "HoverPictures.h"
#include "MainBatchDisplay.h"
#include "MainLayout.h"
#include "OutputFormat.h"
#include "PictureStore.h"
#include "SettingsFile.h"
#include "SourceListControls.h"
#include "SourceQueue.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace tavoclip {

class HotSpot;
class LinkLabel;
class MainSelections;
class BatchDriver;
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
// operation, and shows the batch that the driver runs (Follow); which
// controls a batch greys is the window's own choice (MainBatchDisplay).
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
    void imgToolbar_Click(main_layout::Toolbar button) { imgToolbar_Click(static_cast<int>(button)); }
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

    // The list view's model: the queue as the list shows it.
    SourceListModel& ListModel() { return *model_; }
    // frmMenu is created on first use and then kept, hidden.
    frmMenu& Menus();
    // Between BatchStarted and BatchEnded.
    bool batchRunning() const { return batch_->running(); }
    const QImage& skin() const { return skin_; }

    // The selections and the folder text, as the batch converts with them.
    BatchSettings CurrentBatchSettings() const;
    // Shows the driver's progress from now on.
    void Follow(const BatchDriver& driver) { batch_->Follow(driver); }
    // imgPB's width in twips (full bar 5415, drawn to the trough's laid-out
    // width) and lblPB's caption.
    void SetProgressBarWidth(float twips) { batch_->SetBarWidth(twips); }
    void SetProgressCaption(const std::string& caption) { batch_->SetCaption(caption); }

    // BatchView: which controls a batch greys is MainBatchDisplay's.
    void BatchStarted() override { batch_->Started(); }
    void BatchEnded() override { batch_->Ended(); }
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;

signals:
    // A selection or the folder text changed: CurrentBatchSettings differs.
    void batchSettingsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class MainHotSpotWiring;
    void BuildControls();
    void BuildLists();
    void BuildHotSpots();
    void FitEmptyPrompt();
    void BuildLabels();
    void Place(QWidget& control, const main_layout::TwipsRect& rect) const;
    int TwipsToPixels(double twips) const;
    void Form_Unload();

    MainWindowParts parts_;
    double twipsPerPixel_ = 15.0;
    QImage skin_;
    QPixmap skinPixmap_;
    PictureStore pictures_;
    MainHotSpots spots_;
    std::unique_ptr<HoverPictures> hover_;
    std::unique_ptr<MainBatchDisplay> batch_;
    std::unique_ptr<SourceListModel> model_;
    std::unique_ptr<frmMenu> menu_;
    bool unloading_ = false;
    BackgroundDrag drag_;

    SourceListView* LV_ = nullptr;
    QWidget* picText_ = nullptr;
    QLabel* lblText_ = nullptr;
    MainSelections* selections_ = nullptr;  // a child of the window
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
