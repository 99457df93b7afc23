// Every text the window and the dialogs show in a widget must fit its
// place in every language: the pseudo-locale (40 % longer, accented) and
// each shipped translation, rendered offscreen.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>

#include "MainSkin.h"
#include "MainWindowFixture.h"
#include "PseudoTranslator.h"
#include "frmOptions.h"
#include "frmSuggest.h"

namespace tavoclip::testing {
namespace {

QString PlainText(const QLabel& label)
{
    if (!Qt::mightBeRichText(label.text()))
        return label.text();
    QTextDocument document;
    document.setHtml(label.text());
    return document.toPlainText();
}

int TextPlace(const QWidget& widget)
{
    if (const auto* box = qobject_cast<const QCheckBox*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width();
    }
    return widget.contentsRect().width();
}

// Each visible label's and button's text, line by line, against the width
// it is given; the list names every text that does not fit.
QStringList Overflows(const QWidget& top)
{
    QStringList found;
    for (const QWidget* widget : top.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&top))
            continue;
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget); label && !label->wordWrap())
            text = PlainText(*label);
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            text = QString(button->text()).remove(QLatin1Char('&'));
        for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const int needed = widget->fontMetrics().horizontalAdvance(line);
            if (needed > TextPlace(*widget))
                found << QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                             .arg(widget->objectName(), line)
                             .arg(needed)
                             .arg(TextPlace(*widget));
        }
    }
    return found;
}

class TextFitTest : public MainWindowTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        const QString language = QString::fromLatin1(GetParam());
        if (language == QLatin1String("en"))
            return;  // the texts as written
        if (language == QLatin1String("pseudo")) {
            translator_ = std::make_unique<PseudoTranslator>();
        } else {
            translator_ = std::make_unique<QTranslator>();
            ASSERT_TRUE(translator_->load(QStringLiteral("tavoclip_") + language, TAVOCLIP_TRANSLATIONS_DIR));
        }
        QCoreApplication::installTranslator(translator_.get());
    }
    void TearDown() override
    {
        if (translator_)
            QCoreApplication::removeTranslator(translator_.get());
    }

    std::unique_ptr<QTranslator> translator_;
};

TEST_P(TextFitTest, WindowAndDialogTextsFitTheirPlaces)
{
    frmMain& main = Window();
    main.show();
    EXPECT_EQ(Overflows(main).join(QLatin1Char('\n')).toStdString(), "");
    // The progress caption at the end of a batch.
    main.SetProgressCaption("Done.");
    EXPECT_EQ(Overflows(main).join(QLatin1Char('\n')).toStdString(), "");
    // ... and after Stop, with the longest counts a batch shows in practice.
    main.SetProgressCaption(QCoreApplication::translate("tavoclip::BatchOverview", "Stopped: %1 converted, %2 left.")
                                .arg(100)
                                .arg(100)
                                .toStdString());
    EXPECT_EQ(Overflows(main).join(QLatin1Char('\n')).toStdString(), "");
    // The words painted on the skin.
    EXPECT_EQ(MainSkin::TextsTooWide().join(QLatin1Char('\n')).toStdString(), "");

    frmOptions options(this->options, store, messages);
    options.show();
    EXPECT_EQ(Overflows(options).join(QLatin1Char('\n')).toStdString(), "");

    frmSuggest feedback;
    feedback.show();
    EXPECT_EQ(Overflows(feedback).join(QLatin1Char('\n')).toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFitTest,
                         ::testing::Values("en", "pseudo", "de", "fr", "es", "pt_BR", "it", "ru", "zh_CN", "ja"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace tavoclip::testing
