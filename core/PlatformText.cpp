// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformText.h"

#include <QCoreApplication>

namespace openwright {

namespace {

struct Row
{
    PlatformText id;
    const char16_t* mac;
    const char* lin;
};

constexpr Row kTexts[] = {
    // Shown through unknownTypeText(), whose Linux sentence is translated whole.
    {PlatformText::UnknownTypePrefix, u"macOS doesn't recognise .", "The system doesn't recognise ."},
    {PlatformText::Declined, u"You kept the current app",
     QT_TRANSLATE_NOOP("PlatformText", "Another setting keeps the current app")},
    {PlatformText::ConfirmChange, u"Confirm the change in the Finder dialog\u2026",
     QT_TRANSLATE_NOOP("PlatformText", "Applying…")},
    {PlatformText::ConfirmEach, u"Confirm each change in the Finder dialogs as they appear.",
     QT_TRANSLATE_NOOP("PlatformText", "Applying the changes…")},
    {PlatformText::ProfileIntro,
     u"A profile switches a whole set of defaults at once. macOS asks you to confirm each file-type change.",
     QT_TRANSLATE_NOOP("PlatformText", "A profile switches a whole set of defaults at once.")},
    {PlatformText::ProfileInstallHint, u"\u2026instead of making macOS ask, or pointing at a deleted app.",
     QT_TRANSLATE_NOOP("PlatformText", "…instead of making the system ask, or pointing at a deleted app.")},
};

const Row& row(PlatformText id)
{
    for (const Row& r : kTexts) {
        if (r.id == id)
            return r;
    }
    return kTexts[0];
}

} // namespace

QString macText(PlatformText text)
{
    return QString::fromUtf16(row(text).mac);
}

QString linuxText(PlatformText text)
{
    return QCoreApplication::translate("PlatformText", row(text).lin);
}

QString platformText(PlatformText text)
{
#ifdef Q_OS_MACOS
    return macText(text);
#else
    return linuxText(text);
#endif
}

QString unknownTypeText(const QString& extension)
{
#ifdef Q_OS_MACOS
    return macText(PlatformText::UnknownTypePrefix) + extension + QStringLiteral(" files");
#else
    return QCoreApplication::translate("PlatformText", "The system doesn't recognise .%1 files").arg(extension);
#endif
}

} // namespace openwright
