#include "MessageTexts.h"

#include <QCoreApplication>

namespace tavoclip {
namespace {

constexpr const char* kContext = "Messages";

// Marks the engine's fixed texts for lupdate; Translate() finds them by
// their English text at display time.
[[maybe_unused]] const char* const kEngineTexts[] = {
    QT_TRANSLATE_NOOP("Messages", "Please add a file"),
    QT_TRANSLATE_NOOP("Messages", "Add"),
    QT_TRANSLATE_NOOP("Messages", "Tavoclip"),
    QT_TRANSLATE_NOOP("Messages", "Done."),
    QT_TRANSLATE_NOOP("Messages", "These files were not converted:"),
    QT_TRANSLATE_NOOP("Messages", "Command Line empty"),
    QT_TRANSLATE_NOOP("Messages", "File or command not found"),
};

}  // namespace

QString MessageTexts::Translate(const std::string& text)
{
    return QString::fromStdString(TranslateBytes(text));
}

QString MessageTexts::TimeLeft(long minutes)
{
    if (minutes < 0)
        return {};
    if (minutes == 0)
        return QCoreApplication::translate("Messages", "less than a minute left");
    const int count = static_cast<int>(minutes);
    return QCoreApplication::translate("Messages", "about %n min left", nullptr, count);
}

std::string MessageTexts::TranslateBytes(const std::string& text)
{
    const QString whole = QCoreApplication::translate(kContext, text.c_str());
    if (whole != QString::fromStdString(text))
        return whole.toStdString();
    const std::size_t lineEnd = text.find('\n');
    if (lineEnd == std::string::npos)
        return text;
    const std::string heading = text.substr(0, lineEnd);
    return QCoreApplication::translate(kContext, heading.c_str()).toStdString() + text.substr(lineEnd);
}

}  // namespace tavoclip
