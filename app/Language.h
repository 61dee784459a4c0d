// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace openwright::Language {

// Installs Openwright's translation for the user's language, with Qt's own, on `app`, and makes
// the default locale the language the texts are then in, so that a date or a number inside a
// sentence speaks the sentence's language. OPENWRIGHT_PSEUDO=1 picks the pseudo-translation
// that shows which texts are not translatable and which do not fit. Main thread, before any
// window or text is made.
void install(QCoreApplication& app);

// The locale of a person whose system says `system`, once texts are in `translated` ("de",
// "pt_BR"; empty when no translation matched): the system's language and region where the
// languages agree, so the region's formats stay (but not a time locale in another language);
// else English, the language of the untranslated texts.
QLocale textLocale(const QLocale& system, const QString& translated);

} // namespace openwright::Language
