#include "TranslationLoader.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include "PseudoTranslator.h"

namespace tavoclip {
namespace {

QString WithoutCodeset(QString name)
{
    const qsizetype cut = name.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    return cut < 0 ? name : name.left(cut);
}

bool IsPlainLocale(const QString& name)
{
    return name == QLatin1String("C") || name == QLatin1String("POSIX");
}

bool IsEnglish(const QString& name)
{
    return name == QLatin1String("en") || name.startsWith(QLatin1String("en_"));
}

// Loads one translator and hands it to the application, which keeps it for
// the rest of the run.
bool InstallOne(QCoreApplication& application, const QLocale& locale, const QString& prefix, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(locale, prefix, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

}  // namespace

QStringList TranslationLoader::Requested(const Environment& environment)
{
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = QString::fromLocal8Bit(environment(variable));
        if (!locale.isEmpty())
            break;
    }
    // gettext ignores LANGUAGE in the C locale, and so do we.
    if (locale.isEmpty() || IsPlainLocale(WithoutCodeset(locale)))
        return {};
    QStringList result;
    const QStringList listed = QString::fromLocal8Bit(environment("LANGUAGE")).split(QLatin1Char(':'));
    for (const QString& name : listed + QStringList{locale}) {
        const QString clean = WithoutCodeset(name);
        if (!clean.isEmpty() && !IsPlainLocale(clean) && !result.contains(clean))
            result << clean;
    }
    return result;
}

QString TranslationLoader::Install(QCoreApplication& application, const QString& folder)
{
    const QStringList requested = Requested([](const char* name) { return qgetenv(name); });
    for (const QString& name : requested) {
        if (IsEnglish(name))
            return {};
        if (name == QLatin1String("pseudo")) {
            QCoreApplication::installTranslator(new PseudoTranslator(&application));
            return name;
        }
        const QLocale locale(name);
        if (locale.language() == QLocale::C || !InstallOne(application, locale, QStringLiteral("tavoclip"), folder))
            continue;
        InstallOne(application, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return name;
    }
    return {};
}

QString TranslationLoader::DefaultFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
}

}  // namespace tavoclip
