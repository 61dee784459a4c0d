// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChangeResult.h"

#include "PlatformText.h"

namespace openwright {

QString ChangeResult::message() const
{
    if (!m_note.isEmpty())
        return ChangeResult(m_case, m_text).message() + QStringLiteral(". ") + m_note;
    switch (m_case) {
    case Case::Failed: return m_text;
    case Case::Changed: return QStringLiteral("Changed");
    case Case::AlreadyDefault: return QStringLiteral("Already the default");
    case Case::Declined: return platformText(PlatformText::Declined);
    case Case::AppMissing: return QStringLiteral("That app is no longer installed");
    }
    return m_text;
}

} // namespace openwright
