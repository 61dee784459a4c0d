// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformText.h"

namespace openwright {

namespace {

struct Row
{
    PlatformText id;
    const char16_t* mac;
    const char16_t* lin;
};

constexpr Row kTexts[] = {
    {PlatformText::UnknownTypePrefix, u"macOS doesn't recognise .", u"The system doesn't recognise ."},
    {PlatformText::Declined, u"You kept the current app", u"Another setting keeps the current app"},
    {PlatformText::ConfirmChange, u"Confirm the change in the Finder dialog\u2026", u"Applying\u2026"},
    {PlatformText::ConfirmEach, u"Confirm each change in the Finder dialogs as they appear.",
     u"Applying the changes\u2026"},
    {PlatformText::ProfileIntro,
     u"A profile switches a whole set of defaults at once. macOS asks you to confirm each file-type change.",
     u"A profile switches a whole set of defaults at once."},
    {PlatformText::ProfileInstallHint, u"\u2026instead of making macOS ask, or pointing at a deleted app.",
     u"\u2026instead of making the system ask, or pointing at a deleted app."},
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
    return QString::fromUtf16(row(text).lin);
}

QString platformText(PlatformText text)
{
#ifdef Q_OS_MACOS
    return macText(text);
#else
    return linuxText(text);
#endif
}

} // namespace openwright
