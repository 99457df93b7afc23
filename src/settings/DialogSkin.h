#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

namespace tavoclip {

// Everything a small dialog's skin shows, in logical pixels of the skin.
struct DialogSkinLayout {
    struct Text {
        QRect rect;
        QString text;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    };
    struct Button {
        QRect rect;
        QString text;
    };

    QSize panel;  // the window's client size; the rest of the skin is key colour
    QString title;
    QRect exitButton;
    std::vector<Button> buttons;
    std::vector<Text> texts;
};

// The artwork of the small skinned dialogs, drawn in code: a rounded panel
// whose corners are left in the key colour, the title, the labels, the skin's
// own buttons, and the hover pictures that light those buttons. Everything is
// drawn at the given device pixel ratio so it stays sharp on dense screens.
class DialogSkin {
public:
    // Both dialogs use a 330 x 180 background picture.
    static constexpr QSize kSkinSize{330, 180};
    // Hover pictures: 870 x 270 twips for the buttons, 210 x 195 for the
    // exit cross, 270 x 270 for a drop-down arrow.
    static constexpr QSize kButtonLightSize{58, 18};
    static constexpr QSize kExitLightSize{14, 13};
    static constexpr QSize kArrowSize{18, 18};

    static QImage Background(const DialogSkinLayout& layout, qreal devicePixelRatio);
    static QPixmap ButtonLight(const QString& text, qreal devicePixelRatio);
    static QPixmap ExitLight(qreal devicePixelRatio);
    static QPixmap Arrow(bool lit, qreal devicePixelRatio);
};

}  // namespace tavoclip
