#include "MainButtonNames.h"

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

QString Text(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void NameMainButtons(const MainHotSpots& spots, const HiddenMainButtons& hidden)
{
    const QString menuKeys[] = {QStringLiteral("Alt+F"), QStringLiteral("Alt+O"), QStringLiteral("Alt+A")};
    for (std::size_t i = 0; i < spots.imgMenu.size(); ++i) {
        const QString word = Text(ml::kMenuWordTexts[i]);
        Name(spots.imgMenu[i], word, QStringLiteral("Opens the %1 menu (%2)").arg(word, menuKeys[i]));
    }
    const QString toolbarHints[] = {QStringLiteral("Adds video files to the list (Ctrl+O)"),
                                    QStringLiteral("Opens the Remove menu"),
                                    QStringLiteral("Opens the options"),
                                    QStringLiteral("Opens the help (F1)"),
                                    QStringLiteral("Exits the program (Ctrl+Q)"),
                                    QString(),
                                    QStringLiteral("Adds every video file of a folder and its subfolders (Ctrl+Shift+O)")};
    for (int index : ml::kToolbarOrder) {
        const auto slot = static_cast<std::size_t>(index);
        Name(spots.imgToolbar[slot], Text(ml::kToolbarCaptions[slot]), toolbarHints[slot]);
    }
    Name(spots.imgHelp, QStringLiteral("Help"), QStringLiteral("Opens the help (F1)"));
    Name(spots.imgMin, QStringLiteral("Minimize"), QString());
    Name(spots.imgExit, QStringLiteral("Exit"), QStringLiteral("Exits the program (Ctrl+Q)"));
    Name(spots.imgBrowse, QStringLiteral("Browse for the output folder"), QString());
    Name(spots.imgConvert, QStringLiteral("Convert"), QStringLiteral("Converts every file in the list (Ctrl+Return)"));
    // The drop-down buttons' tool tips do not name their lists; the names do.
    Name(spots.picButtonOF, QStringLiteral("Open the output format list"), QString());
    Name(spots.picButtonBR, QStringLiteral("Open the video bitrate list"), QString());
    Name(spots.picButtonR, QStringLiteral("Open the screen size list"), QString());
    Name(spots.picButtonChannel, QStringLiteral("Open the audio bitrate list"), QString());
    Name(hidden.imgAdd, QStringLiteral("Add Files"), QStringLiteral("Adds video files to the list"));
    Name(hidden.imgRemove, QStringLiteral("Remove Selected"), QStringLiteral("Removes the selected file (Delete)"));
    Name(hidden.imgStart, QStringLiteral("Start"), QStringLiteral("Converts every file in the list"));
}

}  // namespace tavoclip
