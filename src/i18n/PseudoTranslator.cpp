#include "PseudoTranslator.h"

#include <cmath>

namespace tavoclip {
namespace {

QChar Accented(QChar c)
{
    static const QString plain = QStringLiteral("aeiouycnAEIOUYCN");
    static const QString accented = QStringLiteral("áéîöüýçñÅÉÎÖÜÝÇÑ");
    const qsizetype at = plain.indexOf(c);
    return at < 0 ? c : accented[at];
}

}  // namespace

QString PseudoTranslator::Stretch(const QString& text)
{
    // File names and the file dialog's type list are not read as words.
    if (text.isEmpty() || text.startsWith(QLatin1Char('/')) || text.contains(QLatin1Char('|')))
        return text;
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool marker = i > 0 && (text[i - 1] == QLatin1Char('%') || text[i - 1] == QLatin1Char('&'));
        result += marker ? text[i] : Accented(text[i]);
    }
    const int extra = static_cast<int>(std::ceil(text.size() * 0.4));
    return result + QString(extra, QChar(0x00B7));
}

QString PseudoTranslator::translate(const char*, const char* sourceText, const char*, int) const
{
    return Stretch(QString::fromUtf8(sourceText));
}

}  // namespace tavoclip
