// SPDX-License-Identifier: GPL-3.0-or-later
#include "Language.h"

#include <QCoreApplication>
#include <QDir>
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

// Qt looks only for the user's languages and their parents: pt_PT finds no "pt" and would fall
// to English although the Brazilian texts read well in Portugal. A language's sibling comes next.
bool loadSibling(QTranslator& translator)
{
    QStringList shipped = QDir(kFolder).entryList(QDir::Files);
    shipped.removeIf([](const QString& file) { return !file.startsWith(u"openwright_"_s) || !file.endsWith(u".qm"_s); });
    for (const QString& wanted : QLocale().uiLanguages()) {
        const QLocale::Language language = QLocale(wanted).language();
        if (language == QLocale::English || language == QLocale::C || language == QLocale::AnyLanguage)
            continue;
        for (const QString& file : shipped) {
            const QString name = file.mid(11).chopped(3); // "openwright_pt_BR.qm" → "pt_BR"
            if (QLocale(name).language() == language && translator.load(file, kFolder))
                return true;
        }
    }
    return false;
}

} // namespace

QLocale textLocale(const QLocale& system, const QString& translated)
{
    // By name, not the system's locale itself: that formats dates by LC_TIME, which may speak
    // another language than the sentence a date stands in.
    if (!translated.isEmpty()) {
        const QLocale language(translated);
        return language.language() == system.language() ? QLocale(system.name()) : language;
    }
    // The C locale formats as the untranslated texts expect already.
    if (system.language() == QLocale::C)
        return system;
    if (system.language() == QLocale::English)
        return QLocale(system.name());
    return QLocale(QLocale::English, system.territory());
}

void install(QCoreApplication& app)
{
    auto* own = new QTranslator(&app);
    const bool loaded = pseudo() ? own->load(u"openwright_pseudo"_s, kFolder)
                                 : own->load(QLocale(), u"openwright"_s, u"_"_s, kFolder) || loadSibling(*own);
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
