#include "DialogSkin.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "SkinCanvas.h"
#include "SkinPalette.h"

namespace tavoclip {

namespace {

// The main window's header colours, so the dialogs read as the same program.
const QColor& kPanelTop = skin_palette::kHeaderBottom;
const QColor& kPanelBottom = skin_palette::kHeaderTop;
const QColor& kPanelEdge = skin_palette::kMint;
const QColor kLabelText(236, 246, 244);
const QColor& kButtonFill = skin_palette::kAccent;
const QColor& kButtonLitFill = skin_palette::kGreenTop;
const QColor kExitFill(0xb0, 0x3a, 0x2e);
const QColor kExitLitFill(0xe8, 0x55, 0x45);
constexpr int kCornerRadius = 12;

QFont SkinFont(int pointSize, bool bold)
{
    QFont font(QStringLiteral("Tahoma"), pointSize);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void DrawPanel(QPainter& painter, QSize panel)
{
    // Drawn without antialiasing: a blended edge would leave pixels close to,
    // but not exactly, the key colour, which show as a pink fringe.
    painter.setRenderHint(QPainter::Antialiasing, false);
    QLinearGradient fill(0, 0, 0, panel.height());
    fill.setColorAt(0, kPanelTop);
    fill.setColorAt(1, kPanelBottom);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, panel.width(), panel.height()), kCornerRadius, kCornerRadius);
    painter.fillPath(outline, fill);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(kPanelEdge, 1));
    painter.drawLine(QPointF(kCornerRadius, 28.5), QPointF(panel.width() - kCornerRadius, 28.5));
}

void DrawButton(QPainter& painter, const QRect& rect, const QString& text, const QColor& fill)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(kPanelEdge, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    painter.setPen(Qt::white);
    painter.setFont(SkinFont(8, true));
    painter.drawText(rect, Qt::AlignCenter, text);
}

void DrawExit(QPainter& painter, const QRect& rect, const QColor& fill)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    const QRectF cross = QRectF(rect).adjusted(4, 4, -4, -4);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
}

}  // namespace

QImage DialogSkin::Background(const DialogSkinLayout& layout, qreal devicePixelRatio)
{
    QImage skin = SkinCanvas::NewBackground(kSkinSize, devicePixelRatio);
    QPainter painter(&skin);
    DrawPanel(painter, layout.panel);
    painter.setPen(Qt::white);
    painter.setFont(SkinFont(10, true));
    painter.drawText(QRect(16, 6, layout.panel.width() - 60, 20), Qt::AlignLeft | Qt::AlignVCenter, layout.title);
    painter.setPen(kLabelText);
    painter.setFont(SkinFont(8, false));
    for (const auto& text : layout.texts)
        painter.drawText(text.rect, static_cast<int>(text.alignment), text.text);
    for (const auto& button : layout.buttons)
        DrawButton(painter, button.rect, button.text, kButtonFill);
    DrawExit(painter, layout.exitButton, kExitFill);
    return skin;
}

QPixmap DialogSkin::ButtonLight(const QString& text, qreal devicePixelRatio)
{
    QPixmap picture = SkinCanvas::NewPicture(kButtonLightSize, devicePixelRatio);
    QPainter painter(&picture);
    DrawButton(painter, QRect(QPoint(0, 0), kButtonLightSize), text, kButtonLitFill);
    return picture;
}

QPixmap DialogSkin::ExitLight(qreal devicePixelRatio)
{
    QPixmap picture = SkinCanvas::NewPicture(kExitLightSize, devicePixelRatio);
    QPainter painter(&picture);
    DrawExit(painter, QRect(QPoint(0, 0), kExitLightSize), kExitLitFill);
    return picture;
}

QPixmap DialogSkin::Arrow(bool lit, qreal devicePixelRatio)
{
    QPixmap picture = SkinCanvas::NewPicture(kArrowSize, devicePixelRatio);
    QPainter painter(&picture);
    DrawButton(painter, QRect(QPoint(0, 0), kArrowSize), QString(), lit ? kButtonLitFill : kButtonFill);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const QPolygonF triangle{{5.0, 7.0}, {13.0, 7.0}, {9.0, 12.0}};
    painter.drawPolygon(triangle);
    return picture;
}

}  // namespace tavoclip
