// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace openwright {

// Texts whose macOS wording would be false elsewhere. Both wordings live here, side by side,
// so a macOS build picks its own column and no screen hard-codes either.
enum class PlatformText
{
    UnknownTypePrefix, // followed by the extension and " files"
    Declined,
    ConfirmChange,
    ConfirmEach,
    ProfileIntro,
    ProfileInstallHint,
};

QString platformText(PlatformText text);
// "The system doesn't recognise .EXT files", in the user's language.
QString unknownTypeText(const QString& extension);
QString macText(PlatformText text);
QString linuxText(PlatformText text);

} // namespace openwright
