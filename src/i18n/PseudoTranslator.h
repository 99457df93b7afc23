#pragma once

#include <QTranslator>

namespace tavoclip {

// The pseudo-locale: every source text 40 % longer and with accented
// letters, so a test, or a person running the program with LANG=pseudo,
// sees where a longer language would not fit. Place
// markers (%1, %n), accelerators (&A), line breaks, file names and file
// type lists stay usable.
class PseudoTranslator final : public QTranslator {
public:
    using QTranslator::QTranslator;

    static QString Stretch(const QString& text);

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
};

}  // namespace tavoclip
