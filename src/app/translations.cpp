#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace velmora::app {
namespace {

// Numbers are written as the language the game speaks writes them: in the
// conventions of `locale`'s region where it is that language, else in the
// language's own. By name, for the system's locale may take its numbers
// from another setting than its language (LANGUAGE=fr with LANG=C.UTF-8).
void WriteNumbersIn(QLocale::Language language, const QLocale& locale) {
    const bool same = locale.language() == language || (language == QLocale::English && locale.language() == QLocale::C);
    QLocale::setDefault(same ? QLocale(locale.name()) : QLocale(language));
}

}  // namespace

bool InstallTranslations(const QLocale& locale) {
    // The translations are built into the program, under :/i18n.
    auto* game = new QTranslator(QCoreApplication::instance());
    if (!game->load(locale, QStringLiteral("velmora"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete game;
        WriteNumbersIn(QLocale::English, locale);
        return false;
    }
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    // The game's last, so that it is asked first: it words some of Qt's texts
    // (the command line's) where Qt's own translation may not.
    QCoreApplication::installTranslator(game);
    WriteNumbersIn(QLocale(game->language()).language(), locale);
    return true;
}

}  // namespace velmora::app
