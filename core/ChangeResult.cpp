// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChangeResult.h"

#include "PlatformText.h"

#include <QCoreApplication>

namespace openwright {

QString ChangeResult::message() const
{
    if (!m_note.isEmpty())
        return ChangeResult(m_case, m_text).message() + QStringLiteral(". ") + m_note;
    switch (m_case) {
    case Case::Failed: return m_text;
    case Case::Changed: return QCoreApplication::translate("ChangeResult", "Changed");
    case Case::AlreadyDefault: return QCoreApplication::translate("ChangeResult", "Already the default");
    case Case::Declined: return platformText(PlatformText::Declined);
    case Case::AppMissing: return QCoreApplication::translate("ChangeResult", "That app is no longer installed");
    }
    return m_text;
}

} // namespace openwright
