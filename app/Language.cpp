// SPDX-License-Identifier: GPL-3.0-or-later
#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace openwright::Language {

using namespace Qt::Literals::StringLiterals;

namespace {

// The translations are compiled into the program, so a build-tree run finds them too.
constexpr auto kFolder = ":/i18n"_L1;

bool pseudo()
{
    const QByteArray value = qgetenv("OPENWRIGHT_PSEUDO");
    return !value.isEmpty() && value != "0";
}

} // namespace

QLocale textLocale(const QLocale& system, const QString& translated)
{
    if (!translated.isEmpty()) {
        const QLocale language(translated);
        return language.language() == system.language() ? system : language;
    }
    // The C locale formats as the untranslated texts expect already.
    if (system.language() == QLocale::C || system.language() == QLocale::English)
        return system;
    return QLocale(QLocale::English, system.territory());
}

void install(QCoreApplication& app)
{
    auto* own = new QTranslator(&app);
    const bool loaded = pseudo() ? own->load(u"openwright_pseudo"_s, kFolder)
                                 : own->load(QLocale(), u"openwright"_s, u"_"_s, kFolder);
    if (!loaded) {
        // Texts stay in English then, whose plural forms ("1 default") come from a file too: in
        // the C locale as well, Debian's default where no language was chosen.
        if (!own->load(u"openwright_en"_s, kFolder))
            delete own;
        else
            QCoreApplication::installTranslator(own);
        QLocale::setDefault(textLocale(QLocale(), {}));
        return;
    }
    QCoreApplication::installTranslator(own);
    if (pseudo())
        return;
    // Qt's own texts (the buttons of its dialogs, the context menus of its fields) follow.
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(), u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    QLocale::setDefault(textLocale(QLocale(), own->language()));
}

} // namespace openwright::Language
