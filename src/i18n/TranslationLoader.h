#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;

namespace tavoclip {

// Puts the user's language in front of the English source texts: Qt's own
// translations (qtbase_*.qm) and the program's (tavoclip_*.qm).
class TranslationLoader {
public:
    using Environment = std::function<QByteArray(const char*)>;

    // The languages asked for, best first, as gettext reads the environment:
    // the locale from LC_ALL, LC_MESSAGES or LANG (the first one set), and in
    // front of it the LANGUAGE list. A C or POSIX locale asks for none, so
    // every text stays English. Names come without codeset and modifier
    // ("de_DE.UTF-8@euro" gives "de_DE").
    static QStringList Requested(const Environment& environment);

    // Installs the translators for the first requested language that has our
    // translation; an English one, or none found, keeps the source texts.
    // "pseudo" is the pseudo-locale, for seeing where longer texts go.
    // Returns the language loaded, or an empty string.
    static QString Install(QCoreApplication& application, const QString& folder);

    // The program folder's translations folder, where the build and the
    // install place the .qm files.
    static QString DefaultFolder();
};

}  // namespace tavoclip
