// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplicationIdentity.h"

#include <gtest/gtest.h>

using namespace openwright;

namespace {

struct IdentityRow
{
    const char* name;
    const char* desktopId;
    const char* identity;
    const char* foundAs; // the desktop-file ID that locating the identity tries
};

class Identities : public ::testing::TestWithParam<IdentityRow>
{
};

TEST_P(Identities, CanonicalAndBack)
{
    const QString id = QString::fromLatin1(GetParam().desktopId);
    const QString identity = QString::fromLatin1(GetParam().identity);
    EXPECT_EQ(ApplicationIdentity::canonical(id), identity);
    EXPECT_TRUE(ApplicationIdentity::desktopIdsFor(identity).contains(QString::fromLatin1(GetParam().foundAs)));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Identities,
    ::testing::Values(
        // An ID that ends in ".desktop" is not a file name to cut short.
        IdentityRow {"flatpak_telegram", "org.telegram.desktop", "ru.keepcoder.Telegram", "org.telegram.desktop"},
        IdentityRow {"file_name", "org.telegram.desktop.desktop", "ru.keepcoder.Telegram", "org.telegram.desktop"},
        IdentityRow {"debian_writer", "libreoffice-writer", "org.libreoffice.LibreOffice.writer", "libreoffice-writer"},
        IdentityRow {"newer_viewer", "org.gnome.Papers", "org.gnome.Evince", "org.gnome.Papers"},
        IdentityRow {"older_viewer", "eog", "org.gnome.Loupe", "eog"},
        IdentityRow {"unknown_kept_whole", "org.example.desktop", "org.example.desktop", "org.example.desktop"},
        IdentityRow {"unknown_file_name", "org.example.Viewer.desktop", "org.example.Viewer.desktop",
                     "org.example.Viewer"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
