#include "MessageBoxSink.h"

#include <QMessageBox>

#include "MessageTexts.h"

namespace tavoclip {

void MessageBoxSink::ShowMessage(const std::string& text, const std::string& title, MessageIcon icon)
{
    QMessageBox::Icon shown = QMessageBox::Information;
    if (icon == MessageIcon::Stop)
        shown = QMessageBox::Critical;
    else if (icon == MessageIcon::Exclamation)
        shown = QMessageBox::Warning;
    const QString caption = title.empty() ? QStringLiteral("Tavoclip") : MessageTexts::Translate(title);
    QMessageBox box(shown, caption, MessageTexts::Translate(text), QMessageBox::Ok, parent_);
    box.exec();
}

}  // namespace tavoclip
