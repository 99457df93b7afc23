#include "MainButtonNames.h"

#include <QCoreApplication>

#include "HotSpot.h"
#include "MainLayout.h"

namespace tavoclip {

namespace ml = main_layout;

namespace {

void Name(HotSpot* button, const QString& name, const QString& description)
{
    if (button == nullptr)
        return;
    button->setAccessibleName(name);
    // The tool tip where there is one: it is what a sighted user reads.
    button->setAccessibleDescription(button->toolTip().isEmpty() ? description : button->toolTip());
}

// The menu words and toolbar captions of the layout table, for lupdate.
[[maybe_unused]] const char* const kLayoutTexts[] = {
    QT_TRANSLATE_NOOP("MainWindow", "File"),
    QT_TRANSLATE_NOOP("MainWindow", "Options"),
    QT_TRANSLATE_NOOP("MainWindow", "About"),
    QT_TRANSLATE_NOOP("MainWindow", "Add Files"),
    QT_TRANSLATE_NOOP("MainWindow", "Remove"),
    QT_TRANSLATE_NOOP("MainWindow", "Help"),
    QT_TRANSLATE_NOOP("MainWindow", "Exit"),
    QT_TRANSLATE_NOOP("MainWindow", "Add Folder"),
};

}  // namespace

QString LayoutText(std::string_view text)
{
    return QCoreApplication::translate("MainWindow", QByteArray(text.data(), static_cast<qsizetype>(text.size())).constData());
}

void NameMainButtons(const MainHotSpots& spots, const HiddenMainButtons& hidden)
{
    const QString menuKeys[] = {QStringLiteral("Alt+F"), QStringLiteral("Alt+O"), QStringLiteral("Alt+A")};
    for (std::size_t i = 0; i < spots.imgMenu.size(); ++i) {
        const QString word = LayoutText(ml::kMenuWordTexts[i]);
        Name(spots.imgMenu[i], word, QCoreApplication::translate("MainWindow", "Opens the %1 menu (%2)").arg(word, menuKeys[i]));
    }
    const QString toolbarHints[] = {QCoreApplication::translate("MainWindow", "Adds video files to the list (Ctrl+O)"),
                                    QCoreApplication::translate("MainWindow", "Opens the Remove menu"),
                                    QCoreApplication::translate("MainWindow", "Opens the options"),
                                    QCoreApplication::translate("MainWindow", "Opens the help (F1)"),
                                    QCoreApplication::translate("MainWindow", "Exits the program (Ctrl+Q)"),
                                    QString(),
                                    QCoreApplication::translate("MainWindow", "Adds every video file of a folder and its subfolders (Ctrl+Shift+O)")};
    for (int index : ml::kToolbarOrder) {
        const auto slot = static_cast<std::size_t>(index);
        Name(spots.imgToolbar[slot], LayoutText(ml::kToolbarCaptions[slot]), toolbarHints[slot]);
    }
    Name(spots.imgHelp, QCoreApplication::translate("MainWindow", "Help"), QCoreApplication::translate("MainWindow", "Opens the help (F1)"));
    Name(spots.imgMin, QCoreApplication::translate("MainWindow", "Minimize"), QString());
    Name(spots.imgExit, QCoreApplication::translate("MainWindow", "Exit"), QCoreApplication::translate("MainWindow", "Exits the program (Ctrl+Q)"));
    Name(spots.imgBrowse, QCoreApplication::translate("MainWindow", "Browse for the output folder"), QString());
    Name(spots.imgConvert, QCoreApplication::translate("MainWindow", "Convert"), QCoreApplication::translate("MainWindow", "Converts every file in the list (Ctrl+Return)"));
    // The drop-down buttons' tool tips do not name their lists; the names do.
    Name(spots.picButtonOF, QCoreApplication::translate("MainWindow", "Open the output format list"), QString());
    Name(spots.picButtonBR, QCoreApplication::translate("MainWindow", "Open the video bitrate list"), QString());
    Name(spots.picButtonR, QCoreApplication::translate("MainWindow", "Open the screen size list"), QString());
    Name(spots.picButtonChannel, QCoreApplication::translate("MainWindow", "Open the audio bitrate list"), QString());
    Name(hidden.imgAdd, QCoreApplication::translate("MainWindow", "Add Files"), QCoreApplication::translate("MainWindow", "Adds video files to the list"));
    Name(hidden.imgRemove, QCoreApplication::translate("MainWindow", "Remove Selected"), QCoreApplication::translate("MainWindow", "Removes the selected file (Delete)"));
    Name(hidden.imgStart, QCoreApplication::translate("MainWindow", "Start"), QCoreApplication::translate("MainWindow", "Converts every file in the list"));
}

}  // namespace tavoclip
