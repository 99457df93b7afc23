#include "MainSkin.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "MainButtonNames.h"
#include "MainLayout.h"
#include "PictureStore.h"
#include "SkinCanvas.h"
#include "SkinPalette.h"

namespace tavoclip {

namespace ml = main_layout;

namespace {

using namespace skin_palette;

QRectF Px(const ml::TwipsRect& r)
{
    return {r.left / 15.0, r.top / 15.0, r.width / 15.0, r.height / 15.0};
}

QSize PictureSize(const ml::TwipsRect& r)
{
    return SkinCanvas::TwipsToPixels(r.width, r.height);
}

QFont UiFont(double pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(pixelSize));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// While TextsTooWide() paints, the words wider than their places; otherwise
// null. Painting happens on the GUI thread only.
QStringList* tooWide = nullptr;

// A translated word in its fixed place on the skin. A word a little too
// long for it is set up to a fifth smaller, in steps, so that it is never
// clipped; past that, the translation has to be shorter.
void DrawWord(QPainter& p, const QRectF& place, int flags, const QString& text)
{
    const QFont font = p.font();
    QFont fitted = font;
    for (int step = 1; step <= 4 && QFontMetricsF(fitted).horizontalAdvance(text) > place.width(); ++step)
        fitted.setPixelSize(qRound(font.pixelSize() * (1.0 - 0.05 * step)));
    p.setFont(fitted);
    p.drawText(place, flags, text);
    const qreal needed = QFontMetricsF(fitted).horizontalAdvance(text);
    if (tooWide != nullptr && needed > place.width())
        tooWide->append(QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(place.width()));
    p.setFont(font);
}

// Drawn without antialiasing: a blended edge would leave pixels near the key
// colour that are solid, a pink fringe around the window's outline.
void DrawWindowBody(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRectF all(0, 0, ml::kSkinWidthPixels, ml::kSkinHeightPixels);
    QPainterPath outline;
    outline.addRoundedRect(all, 14, 14);
    QLinearGradient body(0, 0, 0, all.height());
    body.setColorAt(0, kBodyTop);
    body.setColorAt(1, kBodyBottom);
    p.fillPath(outline, body);

    p.save();
    p.setClipPath(outline);
    QLinearGradient header(0, 0, 0, 50);
    header.setColorAt(0, kHeaderTop);
    header.setColorAt(1, kHeaderBottom);
    p.fillRect(QRectF(0, 0, all.width(), 50), header);
    p.fillRect(QRectF(0, 50, all.width(), 2), kAccent);
    QLinearGradient footer(0, 466, 0, all.height());
    footer.setColorAt(0, QColor(214, 224, 229));
    footer.setColorAt(1, QColor(200, 212, 218));
    p.fillRect(QRectF(0, 468, all.width(), 32), footer);
    p.restore();
    p.setRenderHint(QPainter::Antialiasing, true);
}

void DrawWordmark(QPainter& p)
{
    // A small film-strip mark, then the product's name.
    QPainterPath mark;
    mark.addRoundedRect(QRectF(14, 7, 22, 18), 4, 4);
    p.fillPath(mark, kAccent);
    p.setPen(Qt::NoPen);
    p.setBrush(kHeaderTop);
    for (int i = 0; i < 3; ++i) {
        p.drawRect(QRectF(16.5, 9.5 + i * 5.5, 2.5, 2.5));
        p.drawRect(QRectF(31, 9.5 + i * 5.5, 2.5, 2.5));
    }
    QPainterPath play;
    play.moveTo(22, 11);
    play.lineTo(29, 16);
    play.lineTo(22, 21);
    play.closeSubpath();
    p.fillPath(play, Qt::white);
    p.setPen(Qt::white);
    p.setFont(UiFont(17, true));
    p.drawText(QRectF(42, 4, 130, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tavoclip"));
}

void DrawTitleButtons(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QPen pen(kMint, 1.6, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF help = Px(ml::kHelp).adjusted(1, 1, -1, -1);
    p.drawEllipse(help);
    p.setFont(UiFont(10, true));
    p.drawText(help, Qt::AlignCenter, QStringLiteral("?"));
    const QRectF min = Px(ml::kMin).adjusted(1, 1, -1, -1);
    p.drawEllipse(min);
    p.drawLine(QPointF(min.left() + 3.5, min.center().y()), QPointF(min.right() - 3.5, min.center().y()));
    const QRectF exit = Px(ml::kExit).adjusted(1, 1, -1, -1);
    p.drawEllipse(exit);
    const QRectF cross = exit.adjusted(4.2, 4.2, -4.2, -4.2);
    p.drawLine(cross.topLeft(), cross.bottomRight());
    p.drawLine(cross.topRight(), cross.bottomLeft());
}

void DrawMenuWords(QPainter& p)
{
    p.setFont(UiFont(11.5));
    p.setPen(QColor(226, 240, 235));
    for (std::size_t i = 0; i < ml::kMenuWords.size(); ++i)
        DrawWord(p, Px(ml::kMenuWords[i]), Qt::AlignCenter,
                 LayoutText(ml::kMenuWordTexts[i]));
}

void DrawDocument(QPainter& p, const QRectF& box)
{
    QPainterPath page;
    page.moveTo(box.left() + 3, box.top());
    page.lineTo(box.right() - 7, box.top());
    page.lineTo(box.right() - 2, box.top() + 5);
    page.lineTo(box.right() - 2, box.bottom());
    page.lineTo(box.left() + 3, box.bottom());
    page.closeSubpath();
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(Qt::white);
    p.drawPath(page);
}

void DrawFolder(QPainter& p, const QRectF& box)
{
    QPainterPath folder;
    folder.moveTo(box.left(), box.top() + 3);
    folder.lineTo(box.left() + 8, box.top() + 3);
    folder.lineTo(box.left() + 10, box.top() + 6);
    folder.lineTo(box.right(), box.top() + 6);
    folder.lineTo(box.right(), box.bottom() - 2);
    folder.lineTo(box.left(), box.bottom() - 2);
    folder.closeSubpath();
    p.setPen(QPen(QColor(176, 122, 20), 1.4));
    p.setBrush(QColor(246, 196, 84));
    p.drawPath(folder);
}

void DrawBadge(QPainter& p, QPointF centre, const QColor& colour, bool plus)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, 6, 6);
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-3, 0), centre + QPointF(3, 0));
    if (plus)
        p.drawLine(centre + QPointF(0, -3), centre + QPointF(0, 3));
}

void DrawGear(QPainter& p, const QRectF& box)
{
    const QPointF c = box.center();
    p.setPen(QPen(kInk, 3.2, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < 8; ++i) {
        QLineF tooth(c, c + QPointF(11, 0));
        tooth.setAngle(i * 45.0);
        p.drawLine(QLineF(tooth.pointAt(0.62), tooth.p2()));
    }
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(QColor(208, 220, 226));
    p.drawEllipse(c, 7.5, 7.5);
    p.setBrush(Qt::white);
    p.drawEllipse(c, 3, 3);
}

void DrawHelpIcon(QPainter& p, const QRectF& box)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(52, 120, 200));
    p.drawEllipse(box.center(), 11, 11);
    p.setPen(Qt::white);
    p.setFont(UiFont(15, true));
    p.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
}

void DrawPowerIcon(QPainter& p, const QRectF& box)
{
    const QPointF c = box.center() + QPointF(0, 1);
    p.setPen(QPen(QColor(196, 64, 56), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 9, c.y() - 9, 18, 18), 120 * 16, 300 * 16);
    p.drawLine(QPointF(c.x(), c.y() - 11), QPointF(c.x(), c.y() - 2));
}

void DrawToolbarIcon(QPainter& p, int index, const QRectF& box)
{
    switch (index) {
        case 0:
            DrawDocument(p, box.adjusted(3, 0, -3, 0));
            DrawBadge(p, box.bottomRight() + QPointF(-4, -4), QColor(40, 160, 90), true);
            break;
        case 6:
            DrawFolder(p, box);
            DrawBadge(p, box.bottomRight() + QPointF(-3, -4), QColor(40, 160, 90), true);
            break;
        case 1:
            DrawDocument(p, box.adjusted(3, 0, -3, 0));
            DrawBadge(p, box.bottomRight() + QPointF(-4, -4), QColor(200, 70, 60), false);
            break;
        case 2:
            DrawGear(p, box);
            break;
        case 3:
            DrawHelpIcon(p, box);
            break;
        case 4:
            DrawPowerIcon(p, box);
            break;
        default:
            break;
    }
}

void DrawToolbar(QPainter& p)
{
    p.fillRect(QRectF(0, 52, ml::kSkinWidthPixels, 62), MainSkin::ToolbarBand());
    p.fillRect(QRectF(0, 114, ml::kSkinWidthPixels, 1), QColor(196, 209, 215));
    for (int index : ml::kToolbarOrder) {
        const QRectF button = Px(ml::kToolbar[static_cast<std::size_t>(index)]);
        const QRectF icon(button.center().x() - 12, button.top() + 5, 24, 24);
        DrawToolbarIcon(p, index, icon);
        p.setPen(kInk);
        p.setFont(UiFont(11));
        DrawWord(p, QRectF(button.left(), button.top() + 32, button.width(), 16), Qt::AlignCenter,
                 LayoutText(ml::kToolbarCaptions.at(static_cast<std::size_t>(index))));
    }
}

void DrawCard(QPainter& p, const QRectF& card, const QString& title)
{
    QPainterPath shape;
    shape.addRoundedRect(card, 8, 8);
    p.fillPath(shape.translated(0, 1.5), QColor(0, 0, 0, 22));
    p.fillPath(shape, QColor(255, 255, 255, 235));
    p.setPen(QPen(QColor(204, 216, 222), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.setPen(kInk);
    p.setFont(UiFont(12, true));
    DrawWord(p, QRectF(card.left() + 10, card.top() + 6, card.width() - 20, 18), Qt::AlignLeft | Qt::AlignVCenter,
             title);
}

void DrawFieldLabel(QPainter& p, const ml::TwipsRect& field, const QString& text)
{
    const QRectF below = Px(field);
    p.setPen(kSoftInk);
    p.setFont(UiFont(11, true));
    DrawWord(p, QRectF(below.left() + 1, below.top() - 16, below.width(), 14), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void DrawPanels(QPainter& p)
{
    DrawCard(p, QRectF(10, 126, 470, 312), QCoreApplication::translate("MainWindow", "Files to convert"));
    // Tall enough to hold the Convert button and its shadow.
    DrawCard(p, QRectF(482, 126, 206, 338), QString());
    DrawFieldLabel(p, ml::kFormatList, QCoreApplication::translate("MainWindow", "Output Format"));
    DrawFieldLabel(p, ml::kVideoBitrateList, QCoreApplication::translate("MainWindow", "Video Bitrate"));
    DrawFieldLabel(p, ml::kScreenSizeList, QCoreApplication::translate("MainWindow", "Screen Size"));
    DrawFieldLabel(p, ml::kAudioBitrateList, QCoreApplication::translate("MainWindow", "Audio Bitrate"));
    DrawFieldLabel(p, ml::kOutputFolder, QCoreApplication::translate("MainWindow", "Output Folder"));
}

void DrawBrowseButton(QPainter& p)
{
    const QRectF button = Px(ml::kBrowse).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient face(0, button.top(), 0, button.bottom());
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, QColor(222, 231, 236));
    p.setPen(QPen(QColor(160, 178, 188), 1));
    p.setBrush(face);
    p.drawRoundedRect(button, 4, 4);
    DrawFolder(p, QRectF(button.center().x() - 9, button.center().y() - 8, 18, 16));
}

void DrawConvertButton(QPainter& p)
{
    const QRectF button = Px(ml::kConvert).adjusted(1, 1, -2, -2);
    QPainterPath shape;
    shape.addRoundedRect(button, 10, 10);
    p.fillPath(shape.translated(0, 2), QColor(0, 0, 0, 40));
    QLinearGradient face(0, button.top(), 0, button.bottom());
    face.setColorAt(0, kGreenTop);
    face.setColorAt(1, kGreenBottom);
    p.fillPath(shape, face);
    QPainterPath shine;
    shine.addRoundedRect(button.adjusted(3, 3, -3, -button.height() / 2), 8, 8);
    p.fillPath(shine, QColor(255, 255, 255, 38));

    const QPointF c(button.left() + 42, button.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(c, 20, 20);
    QPainterPath play;
    play.moveTo(c + QPointF(-7, -11));
    play.lineTo(c + QPointF(12, 0));
    play.lineTo(c + QPointF(-7, 11));
    play.closeSubpath();
    p.fillPath(play, Qt::white);
    p.setPen(Qt::white);
    p.setFont(UiFont(22, true));
    DrawWord(p, button.adjusted(70, 0, -8, 0), Qt::AlignLeft | Qt::AlignVCenter,
             QCoreApplication::translate("MainWindow", "Convert"));
}

void DrawProgressTrough(QPainter& p)
{
    const QRectF bar = Px(ml::kProgressBar);
    p.setPen(kSoftInk);
    p.setFont(UiFont(11, true));
    DrawWord(p, QRectF(18, bar.top() - 2, 90, bar.height() + 4), Qt::AlignLeft | Qt::AlignVCenter,
             QCoreApplication::translate("MainWindow", "Progress"));
    p.setPen(QPen(QColor(176, 192, 200), 1));
    p.setBrush(QColor(214, 223, 228));
    p.drawRoundedRect(bar.adjusted(-1.5, -1.5, 1.5, 1.5), 4, 4);
}

QPixmap Glow(QSize size, qreal ratio, const QColor& fill, const QColor& edge, qreal radius)
{
    QPixmap picture = SkinCanvas::NewPicture(size, ratio);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(edge, 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), radius, radius);
    return picture;
}

QPixmap Arrow(qreal ratio, bool lit)
{
    const QSize size = PictureSize(ml::kArrowPicture);
    QPixmap picture = SkinCanvas::NewPicture(size, ratio);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(0, 0, 0, size.height());
    face.setColorAt(0, lit ? QColor(72, 196, 170) : QColor(236, 242, 245));
    face.setColorAt(1, lit ? QColor(30, 140, 124) : QColor(206, 218, 224));
    p.setPen(QPen(lit ? QColor(24, 110, 98) : QColor(160, 178, 188), 1));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 3, 3);
    QPainterPath chevron;
    const QPointF c(size.width() / 2.0, size.height() / 2.0 + 1);
    chevron.moveTo(c + QPointF(-4, -2.5));
    chevron.lineTo(c + QPointF(0, 1.5));
    chevron.lineTo(c + QPointF(4, -2.5));
    p.setPen(QPen(lit ? Qt::white : kInk, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(chevron);
    return picture;
}

QPixmap MenuWordLight(std::size_t index, qreal ratio)
{
    const ml::TwipsRect& word = ml::kMenuWords[index];
    const QSize size = PictureSize(word);
    QPixmap picture = SkinCanvas::NewPicture(size, ratio);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRoundedRect(QRectF(0, 0, size.width(), size.height()), 3, 3);
    p.fillRect(QRectF(4, size.height() - 2, size.width() - 8, 2), kMint);
    p.setPen(Qt::white);
    p.setFont(UiFont(11.5));
    DrawWord(p, QRectF(0, 0, size.width(), size.height()), Qt::AlignCenter,
             LayoutText(ml::kMenuWordTexts[index]));
    return picture;
}

}  // namespace

QImage MainSkin::Background(qreal devicePixelRatio)
{
    QImage skin = SkinCanvas::NewBackground(QSize(ml::kSkinWidthPixels, ml::kSkinHeightPixels), devicePixelRatio);
    QPainter p(&skin);
    p.setRenderHint(QPainter::TextAntialiasing);
    DrawWindowBody(p);
    DrawWordmark(p);
    DrawTitleButtons(p);
    DrawMenuWords(p);
    DrawToolbar(p);
    DrawPanels(p);
    DrawBrowseButton(p);
    DrawConvertButton(p);
    DrawProgressTrough(p);
    p.end();
    return skin;
}

QStringList MainSkin::TextsTooWide()
{
    QStringList found;
    tooWide = &found;
    Background(1.0);
    tooWide = nullptr;
    return found;
}

void MainSkin::AddPictures(PictureStore& store, qreal ratio)
{
    for (std::size_t i = 0; i < ml::kMenuWords.size(); ++i)
        store.Add(QStringLiteral("imgMenuData%1").arg(i), MenuWordLight(i, ratio));
    for (int index : ml::kToolbarOrder) {
        const QSize size = PictureSize(ml::kToolbar[static_cast<std::size_t>(index)]);
        store.Add(QStringLiteral("imgButtonData%1").arg(index),
                  Glow(size, ratio, QColor(38, 160, 140, 38), QColor(38, 160, 140, 170), 6));
    }
    const QColor titleFill(255, 255, 255, 70);
    store.Add(QStringLiteral("imgHelpLight"), Glow(PictureSize(ml::kHelpLight), ratio, titleFill, kMint, 6));
    store.Add(QStringLiteral("imgMinLight"), Glow(PictureSize(ml::kMinLight), ratio, titleFill, kMint, 7));
    store.Add(QStringLiteral("imgExitLight"),
              Glow(PictureSize(ml::kExitLight), ratio, QColor(220, 80, 70, 150), QColor(255, 170, 160), 6));
    store.Add(QStringLiteral("imgBrowseLight"),
              Glow(PictureSize(ml::kBrowsePicture), ratio, QColor(38, 160, 140, 45), QColor(38, 160, 140), 4));
    store.Add(QStringLiteral("imgBrowseDark"),
              Glow(PictureSize(ml::kBrowsePicture), ratio, QColor(20, 50, 60, 70), QColor(20, 60, 70), 4));
    store.Add(QStringLiteral("imgConvertData"),
              Glow(PictureSize(ml::kConvertData), ratio, QColor(255, 255, 255, 46), QColor(255, 255, 255, 160), 10));
    store.Add(QStringLiteral("imgButton"), Arrow(ratio, false));
    store.Add(QStringLiteral("imgButtonLight"), Arrow(ratio, true));
}

QLinearGradient MainSkin::ToolbarBand(int alpha)
{
    QLinearGradient band(0, 52, 0, 114);
    band.setColorAt(0, QColor(252, 253, 254, alpha));
    band.setColorAt(1, QColor(232, 239, 242, alpha));
    return band;
}

}  // namespace tavoclip
