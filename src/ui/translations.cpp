#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace velmora::ui {

bool InstallTranslations(const QLocale& locale) {
    // The translations are built into the program, under :/i18n.
    auto* game = new QTranslator(QCoreApplication::instance());
    const bool found = game->load(locale, QStringLiteral("velmora"), QStringLiteral("_"), QStringLiteral(":/i18n"));
    if (found) QCoreApplication::installTranslator(game);
    else delete game;
    if (!found) return false;
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

}  // namespace velmora::ui
