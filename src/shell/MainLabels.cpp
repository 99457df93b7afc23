#include "MainLabels.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>

#include "LinkLabel.h"
#include "ProgressCaption.h"
#include "SkinPalette.h"

namespace tavoclip {

namespace ml = main_layout;

QFont TahomaFont(double points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

namespace {

void BuildProgress(QWidget& window, const PlaceControl& place, MainLabels& labels)
{
    labels.imgPB = new QLabel(&window);
    labels.imgPB->setObjectName(QStringLiteral("imgPB"));
    place(*labels.imgPB, ml::kProgressBar);
    labels.imgPB->setStyleSheet(QStringLiteral(
        "background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5fd39a, stop:1 #1f8a50); border-radius: 3px;"));
    labels.imgPB->setAttribute(Qt::WA_TransparentForMouseEvents);

    labels.lblPB = new ProgressCaption(QStringLiteral("0%"), &window);
    labels.lblPB->setObjectName(QStringLiteral("lblPB"));
    place(*labels.lblPB, ml::kProgressText);
    labels.lblPB->setAlignment(Qt::AlignCenter);
    labels.lblPB->setFont(TahomaFont(7.5, true));
    labels.lblPB->setStyleSheet(QStringLiteral("color: rgb(24, 44, 52); background: transparent;"));
    labels.lblPB->setAttribute(Qt::WA_TransparentForMouseEvents);
    labels.lblPB->setAccessibleName(QCoreApplication::translate("MainWindow", "Conversion progress"));
}

// The link turns bold under the pointer; a label as narrow as its design
// rectangle clips the bold word where Tahoma is replaced by a wider face, so
// it is widened to fit the bold text.
void FitBoldText(LinkLabel& link)
{
    QFont bold = link.font();
    bold.setBold(true);
    const int needed = QFontMetrics(bold).horizontalAdvance(link.text()) + 2;
    if (needed > link.width())
        link.resize(needed, link.height());
}

}  // namespace

MainLabels BuildMainLabels(QWidget& window, const PlaceControl& place)
{
    MainLabels labels;
    BuildProgress(window, place, labels);

    // Over the header: dragging it drags the window, like the background.
    labels.lblVersion = new QLabel(&window);
    labels.lblVersion->setObjectName(QStringLiteral("lblVersion"));
    place(*labels.lblVersion, ml::kVersion);
    labels.lblVersion->setFont(TahomaFont(7.5));
    labels.lblVersion->setAttribute(Qt::WA_TransparentForMouseEvents);

    labels.lblWeb = new LinkLabel(QString(), &window);
    labels.lblWeb->setObjectName(QStringLiteral("lblWeb"));
    place(*labels.lblWeb, ml::kProductName);
    QFont webFont = TahomaFont(8.25, true);
    webFont.setUnderline(true);
    labels.lblWeb->setFont(webFont);

    labels.lblFeed = new LinkLabel(QCoreApplication::translate("MainWindow", "Feedback"), &window);
    labels.lblFeed->setObjectName(QStringLiteral("lblFeed"));
    place(*labels.lblFeed, ml::kFeedback);
    QFont feedFont = TahomaFont(8.25);
    feedFont.setUnderline(true);
    labels.lblFeed->setFont(feedFont);
    labels.lblFeed->setToolTip(QCoreApplication::translate("MainWindow", "Send us your suggestion or question"));
    labels.lblFeed->setAccessibleDescription(
        QCoreApplication::translate("MainWindow", "Send us your suggestion or question (Ctrl+Shift+F)"));
    // Greyed while a batch runs, when it ignores the pointer.
    labels.lblFeed->setStyleSheet(QStringLiteral("QLabel { color: rgb(24, 72, 120); } QLabel:disabled { color: %1; }")
                                      .arg(skin_palette::kDisabledInk.name()));
    FitBoldText(*labels.lblFeed);
    return labels;
}

}  // namespace tavoclip
