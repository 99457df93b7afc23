#include "RawText.h"

#include "Utf8Text.h"

namespace tavoclip {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool IsEscapedByte(char16_t unit) { return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF; }

}  // namespace

QString DecodeRawText(const std::string& bytes)
{
    QString text;
    std::size_t runStart = 0;
    std::size_t pos = 0;
    const auto flush = [&] {
        text += QString::fromUtf8(bytes.data() + runStart, static_cast<qsizetype>(pos - runStart));
    };
    while (pos < bytes.size()) {
        const std::size_t length = Utf8SequenceLength(bytes, pos);
        if (length > 0) {
            pos += length;
            continue;
        }
        flush();
        text += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[pos])));
        runStart = ++pos;
    }
    flush();
    return text;
}

std::string EncodeRawText(const QString& text)
{
    std::string bytes;
    qsizetype runStart = 0;
    const auto flush = [&](qsizetype end) { bytes += text.mid(runStart, end - runStart).toUtf8().toStdString(); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A lone low surrogate; one after a high surrogate is half of a
        // real character.
        const char16_t unit = text[i].unicode();
        if (!IsEscapedByte(unit) || (i > 0 && text[i - 1].isHighSurrogate())) continue;
        flush(i);
        bytes += static_cast<char>(unit - kEscapeBase);
        runStart = i + 1;
    }
    flush(text.size());
    return bytes;
}

}  // namespace tavoclip
