#include "MainHotSpotWiring.h"

#include <QComboBox>

#include <array>
#include <functional>
#include <utility>

#include "HotSpot.h"
#include "LinkLabel.h"
#include "MainLayout.h"
#include "MainSelections.h"
#include "ShellOperations.h"
#include "frmMain.h"

namespace tavoclip {

namespace ml = main_layout;

void MainHotSpotWiring::ConnectHotSpots(frmMain* self)
{
    for (std::size_t i = 0; i < self->spots_.imgMenu.size(); ++i) {
        const int index = static_cast<int>(i);
        QObject::connect(self->spots_.imgMenu[i], &HotSpot::hovered, self, [self, index] { self->hover_->LightMenuWord(index); });
        QObject::connect(self->spots_.imgMenu[i], &HotSpot::clicked, self, [self, index] { self->imgMenu_Click(index); });
    }
    for (int index : ml::kToolbarOrder) {
        HotSpot* button = self->spots_.imgToolbar[static_cast<std::size_t>(index)];
        QObject::connect(button, &HotSpot::hovered, self, [self, index] { self->hover_->LightToolbarButton(index); });
        QObject::connect(button, &HotSpot::pressed, self, [self] { self->hover_->ClearToolbar(); });
        QObject::connect(button, &HotSpot::clicked, self, [self, index] { self->imgToolbar_Click(index); });
    }
    const auto lightOnHover = [self](HotSpot* spot, const QString& picture) {
        QObject::connect(spot, &HotSpot::hovered, self, [self, spot, picture] { self->hover_->Light(*spot, picture); });
    };
    lightOnHover(self->spots_.imgHelp, QStringLiteral("imgHelpLight"));
    lightOnHover(self->spots_.imgMin, QStringLiteral("imgMinLight"));
    lightOnHover(self->spots_.imgExit, QStringLiteral("imgExitLight"));
    lightOnHover(self->spots_.imgBrowse, QStringLiteral("imgBrowseLight"));
    lightOnHover(self->spots_.imgConvert, QStringLiteral("imgConvertData"));
    QObject::connect(self->spots_.imgHelp, &HotSpot::clicked, self, [self] { self->imgHelp_Click(); });
    QObject::connect(self->spots_.imgMin, &HotSpot::clicked, self, [self] { self->imgMin_Click(); });
    QObject::connect(self->spots_.imgExit, &HotSpot::clicked, self, [self] { self->imgExit_Click(); });
    QObject::connect(self->spots_.imgBrowse, &HotSpot::pressed, self, [self] { self->hover_->ShowBrowsePressed(); });
    QObject::connect(self->spots_.imgBrowse, &HotSpot::clicked, self, [self] { self->parts_.operations.BrowseOutputFolder(); });
    QObject::connect(self->spots_.imgConvert, &HotSpot::pressed, self->spots_.imgConvert, &HotSpot::ClearPicture);
    QObject::connect(self->spots_.imgConvert, &HotSpot::clicked, self, [self] { self->parts_.operations.StartBatch(); });
    QObject::connect(self->spots_.lblFeed, &LinkLabel::hovered, self, [self] { self->spots_.lblFeed->SetBold(true); });
    QObject::connect(self->spots_.lblFeed, &LinkLabel::clicked, self, [self] {
        self->parts_.operations.ShowFeedback();
        // The pointer left the link for the modal form; no move over the
        // background told the link so.
        self->spots_.lblFeed->SetBold(false);
    });
    QObject::connect(self->lblWeb_, &LinkLabel::clicked, self, [self] { self->lblWeb_Click(); });
    // The hidden buttons are never disabled by the batch, so they check it
    // themselves: a removal or a second start during a batch would take the
    // entry being converted.
    const auto unlessBatch = [self](std::function<void(ShellOperations&)> operation) {
        return [self, operation = std::move(operation)] {
            if (!self->batchRunning())
                operation(self->parts_.operations);
        };
    };
    QObject::connect(self->imgAdd_, &HotSpot::clicked, self, unlessBatch(&ShellOperations::AddFiles));
    QObject::connect(self->imgRemove_, &HotSpot::clicked, self, unlessBatch(&ShellOperations::RemoveSelected));
    QObject::connect(self->imgStart_, &HotSpot::clicked, self, unlessBatch(&ShellOperations::StartBatch));
}

void MainHotSpotWiring::ConnectDropDowns(frmMain* self)
{
    const std::array<std::pair<HotSpot*, QComboBox*>, 4> pairs{{{self->spots_.picButtonOF, &self->selections_->cmbOF()},
                                                                {self->spots_.picButtonBR, &self->selections_->cmbBR()},
                                                                {self->spots_.picButtonR, &self->selections_->cmbR()},
                                                                {self->spots_.picButtonChannel, &self->selections_->cmbChannel()}}};
    for (const auto& [button, list] : pairs) {
        QObject::connect(button, &HotSpot::hovered, self,
                         [self, button] { self->hover_->Light(*button, QStringLiteral("imgButtonLight")); });
        QObject::connect(button, &HotSpot::clicked, list, &QComboBox::showPopup);
    }
}

}  // namespace tavoclip
