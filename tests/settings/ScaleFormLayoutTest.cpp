#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include "ScaleFormLayout.h"

using namespace tavoclip;

TEST(ScaleFormLayoutTest, At120DotsPerInchEverythingBecomesFourFifths)
{
    const FormLayout design{QSizeF(700, 499),
                            {{"imgMenu0", QRectF(18, 31, 40, 15), std::nullopt},
                             {"txtPath", QRectF(488, 330, 143, 23), 10.0},
                             {"lblFeed", QRectF(628, 477, 46, 13), 8.25}}};
    const FormLayout scaled = ScaleFormLayout(design, {0.8, 0.8}, "txtPath");
    EXPECT_DOUBLE_EQ(scaled.size.width(), 560);
    EXPECT_DOUBLE_EQ(scaled.size.height(), 399.2);
    EXPECT_EQ(scaled.controls[0].rect, QRectF(14.4, 24.8, 32, 12));
    EXPECT_FALSE(scaled.controls[0].fontSize) << "a hot spot has no font to scale";
    EXPECT_DOUBLE_EQ(*scaled.controls[1].fontSize, 6.4) << "the output folder's font is scaled twice";
    EXPECT_DOUBLE_EQ(*scaled.controls[2].fontSize, 6.6);
}

TEST(ScaleFormLayoutTest, DifferentFactorsScaleEachAxisAndFontsHorizontally)
{
    const FormLayout design{QSizeF(100, 100), {{"txtPath", QRectF(10, 10, 20, 20), 10.0}}};
    const FormLayout scaled = ScaleFormLayout(design, {0.5, 2.0}, "txtPath");
    EXPECT_EQ(scaled.controls[0].rect, QRectF(5, 20, 10, 40));
    EXPECT_DOUBLE_EQ(*scaled.controls[0].fontSize, 10.0) << "vertical, then horizontal";
    EXPECT_DOUBLE_EQ(*ScaleFormLayout(design, {0.5, 2.0}).controls[0].fontSize, 5.0);
}

TEST(ScaleFormLayoutTest, AppliedToWidgetsInWholePixels)
{
    QWidget window;
    window.resize(700, 499);
    auto* box = new QLineEdit(&window);
    box->setObjectName("txtPath");
    box->setGeometry(488, 330, 143, 23);
    QFont font = box->font();
    font.setPointSizeF(10);
    box->setFont(font);
    auto* prompt = new QWidget(&window);
    prompt->setGeometry(164, 264, 163, 21);
    auto* inside = new QLabel("Drag & Drop Files Here", prompt);
    inside->setGeometry(12, 4, 139, 14);

    ApplyFormLayout(window, ScaleFormLayout(ReadFormLayout(window), {0.8, 0.8}, "txtPath"));
    EXPECT_EQ(window.size(), QSize(560, 399));
    EXPECT_EQ(box->geometry(), QRect(390, 264, 114, 18));
    EXPECT_NEAR(box->font().pointSizeF(), 6.4, 0.01);
    EXPECT_EQ(prompt->geometry(), QRect(131, 211, 130, 17));
    EXPECT_EQ(inside->geometry(), QRect(10, 3, 111, 11)) << "controls inside a container are scaled too";
}

TEST(ScaleFormLayoutTest, TheUsualScreenChangesNothing)
{
    QWidget window;
    window.resize(700, 499);
    auto* label = new QLabel("x", &window);
    label->setGeometry(3, 4, 5, 6);
    ScaleWindowToScreen(window, "txtPath");
    if (window.logicalDpiX() == 96 && window.logicalDpiY() == 96) {
        EXPECT_EQ(window.size(), QSize(700, 499));
        EXPECT_EQ(label->geometry(), QRect(3, 4, 5, 6));
    }
}
