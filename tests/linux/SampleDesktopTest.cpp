// SPDX-License-Identifier: GPL-3.0-or-later
// The sample desktop (scripts/sample-desktop.sh) read through the GIO back end: the facts the
// demos, screenshots and tests of the real binary rely on.
#include "DefaultsService.h"
#include "Gio.h"
#include "Printers.h"
#include "Sandbox.h"
#include "SystemLaunchServices.h"

#include <gtest/gtest.h>

using namespace openwright;
using namespace openwright::test;
using namespace Qt::Literals::StringLiterals;

namespace {

QString desktopId(const QUrl& app)
{
    return SystemLaunchServices::desktopIdForPath(app.toLocalFile());
}

class SampleDesktopTest : public ::testing::Test
{
protected:
    // Before the fixture builds its service, the first GIO user of the process.
    static void SetUpTestSuite() { Sandbox::instance().installSampleDesktop(); }

    static Target target(const char* id) { return *Target::parse(QString::fromLatin1(id)); }

    std::shared_ptr<SystemLaunchServices> system = std::make_shared<SystemLaunchServices>();
    DefaultsService service {system};
};

struct DefaultRow
{
    const char* name;
    const char* target;
    const char* desktopId;
};

class SampleDefaults : public SampleDesktopTest, public ::testing::WithParamInterface<DefaultRow>
{
};

TEST_P(SampleDefaults, ResolveAsTabled)
{
    const DefaultRow& row = GetParam();
    const auto current = service.currentDefault(target(row.target));
    ASSERT_TRUE(current);
    EXPECT_EQ(desktopId(current->url), QString::fromLatin1(row.desktopId));
}

INSTANTIATE_TEST_SUITE_P(Rows, SampleDefaults,
                         ::testing::Values(DefaultRow {"user_list_beats_system_config", ".pdf", "org.gnome.Evince"},
                                           DefaultRow {"desktop_list_beats_user_list", ".png", "org.gnome.Loupe"},
                                           DefaultRow {"system_config_list", ".epub", "calibre-ebook-viewer"},
                                           DefaultRow {"system_data_list", ".mov", "org.gnome.Totem"},
                                           DefaultRow {"no_list_flatpak_folder_first", ".mp3", "org.videolan.VLC"},
                                           DefaultRow {"listed_default_uninstalled", ".md", "org.kde.okular"},
                                           DefaultRow {"browser", "http:", "firefox"},
                                           DefaultRow {"mail", "mailto:", "thunderbird"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SampleDesktopTest, BothVlcPackagingsOpenMp4)
{
    // Two desktop entries of one identity (Debian's and Flathub's), in two data folders.
    QStringList ids;
    for (const QUrl& app : system->candidateApps(target(".mp4")))
        ids.append(desktopId(app));
    EXPECT_TRUE(ids.contains(u"vlc"_s)) << ids.join(u' ').toStdString();
    EXPECT_TRUE(ids.contains(u"org.videolan.VLC"_s)) << ids.join(u' ').toStdString();
    EXPECT_EQ(desktopId(service.currentDefault(target(".mp4"))->url), u"vlc"_s);

    // Flatpak's file fences ("@@u %U @@", "@@ %F @@") are no part of the command a desktop's
    // browser setting names.
    QHash<QString, QString> commands;
    for (const gio::App& app : gio::allApplications())
        commands.insert(app.id, app.commandLine);
    const QString run = u"flatpak run --branch=stable --arch=x86_64 "_s;
    EXPECT_EQ(commands.value(u"org.videolan.VLC"_s),
              run + u"--command=/app/bin/vlc --file-forwarding org.videolan.VLC --started-from-file"_s);
    EXPECT_EQ(commands.value(u"com.prusa3d.PrusaSlicer"_s),
              run + u"--command=entrypoint --file-forwarding com.prusa3d.PrusaSlicer"_s);
}

TEST_F(SampleDesktopTest, TypesWithoutHandlers)
{
    for (const char* id : {".gba", ".dmg", ".psd", ".ttf", "sms:"}) {
        const TargetState state = service.state(target(id));
        EXPECT_TRUE(SystemLaunchServices::contentType(state.target)) << id;
        EXPECT_FALSE(state.current) << id;
        EXPECT_TRUE(state.candidates.isEmpty()) << id;
    }
    EXPECT_FALSE(SystemLaunchServices::contentType(target(".usdz")));
}

} // namespace
