// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfilePlanner.h"
#include "Presets.h"
#include "Printers.h"

#include <QHash>
#include <QSet>

#include <gtest/gtest.h>

using namespace openwright;
using namespace Qt::Literals::StringLiterals;

namespace {

const Target pdf = Target::fileExtension(u"pdf"_s);
const QUrl previewUrl = QUrl::fromLocalFile(u"/apps/preview.desktop"_s);

Profile profileOf(QList<ProfileEntry> entries)
{
    return {u"P"_s, u"P"_s, u""_s, u""_s, Profile::Kind::custom, {}, std::move(entries), {}};
}

struct World
{
    QHash<Target, AppInfo> defaults;
    QHash<QString, QUrl> installed; // by identity
    QHash<QString, AppInfo> entries; // by their own exact name
    QStringList located;
    // The platform's type of each target; unset: every target a type of its own.
    std::optional<QHash<Target, QString>> types;
    QSet<Target> fallbacks; // opened by an application no list of the user's names

    QList<PlanStep> plan(const Profile& p)
    {
        ProfilePlanner::PlatformType platformType;
        if (types) {
            platformType = [&](const Target& t) -> std::optional<QString> {
                if (t.isScheme() || types->contains(t))
                    return types->value(t, t.id());
                return std::nullopt;
            };
        }
        return ProfilePlanner::plan(
            p,
            [&](const Target& t) -> std::optional<AppInfo> {
                if (defaults.contains(t))
                    return defaults.value(t);
                return std::nullopt;
            },
            [&](const QString& id) -> std::optional<LocatedApp> {
                located.append(id);
                if (entries.contains(id))
                    return LocatedApp {entries.value(id), true};
                if (installed.contains(id))
                    return LocatedApp {{installed.value(id), id, {}}, false};
                return std::nullopt;
            },
            platformType, [&](const Target& t, const AppInfo&) { return !fallbacks.contains(t); });
    }
};

// Entries that name one file type with different applications: the last decides and the
// others say so; an extension the system does not know is not attempted.
TEST(ProfilePlanner, SharedTypesAndUnknownExtensions)
{
    const Target jpg = Target::fileExtension(u"jpg"_s), jpeg = Target::fileExtension(u"jpeg"_s);
    const Target yaml = Target::fileExtension(u"yaml"_s), yml = Target::fileExtension(u"yml"_s);
    const Target swift = Target::fileExtension(u"swift"_s);
    World w;
    w.types = QHash<Target, QString> {
        {jpg, u"image/jpeg"_s}, {jpeg, u"image/jpeg"_s}, {yaml, u"application/yaml"_s}, {yml, u"application/yaml"_s}};
    const QUrl gimp = QUrl::fromLocalFile(u"/apps/gimp.desktop"_s), code = QUrl::fromLocalFile(u"/apps/code.desktop"_s);
    w.installed = {{u"org.gimp.GIMP"_s, gimp}, {u"com.microsoft.VSCode"_s, code}, {u"org.gnome.Loupe"_s, previewUrl}};
    const auto steps = w.plan(profileOf({
        {jpg, u"org.gimp.GIMP"_s, u"GIMP"_s},
        {jpeg, u"org.gnome.Loupe"_s, u"Image Viewer"_s},
        {yaml, u"com.microsoft.VSCode"_s, u"Code"_s},
        {yml, u"com.microsoft.VSCode"_s, u"Code"_s},
        {swift, u"com.microsoft.VSCode"_s, u"Code"_s},
    }));
    const auto typed = [](PlanStep step, const QString& type) {
        step.type = type;
        return step;
    };
    EXPECT_EQ(steps,
              (QList<PlanStep> {PlanStep::replaced(jpg, jpeg),
                                typed(PlanStep::change({jpeg, previewUrl}, {}, u"Image Viewer"_s), u"image/jpeg"_s),
                                typed(PlanStep::change({yaml, code}, {}, u"Code"_s), u"application/yaml"_s),
                                typed(PlanStep::change({yml, code}, {}, u"Code"_s), u"application/yaml"_s),
                                PlanStep::unknownType(swift)}));
    // .yaml and .yml set one default: one difference from now ("Use for All Video" leaves .mov
    // and video/quicktime in a backup).
    EXPECT_EQ(ProfilePlanner::differences(steps), 2);
    EXPECT_EQ(steps[0].skipReason(), u"Replaced by .jpeg, the same file type"_s);
    EXPECT_EQ(steps[4].skipReason(), u"The system doesn't recognise .swift files"_s);
}

TEST(ProfilePlanner, StepsPerEntry)
{
    World w;
    w.defaults.insert(pdf, AppInfo {previewUrl, u"com.apple.Preview"_s, u"Preview"_s});
    w.defaults.insert(Target::fileExtension(u"txt"_s), AppInfo {previewUrl, std::nullopt, u"No id"_s});
    w.defaults.insert(Target::fileExtension(u"png"_s), AppInfo {previewUrl, u"COM.APPLE.PREVIEW"_s, u"Preview"_s});
    w.installed.insert(u"com.apple.Preview"_s, previewUrl);

    const auto steps = w.plan(profileOf({
        {pdf, u"com.apple.Preview"_s, u"Preview"_s},
        {Target::fileExtension(u"txt"_s), u"com.apple.Preview"_s, u"Preview"_s},
        {Target::fileExtension(u"png"_s), u"com.apple.Preview"_s, u"Preview"_s},
        {Target::fileExtension(u"jpg"_s), u"com.apple.Preview"_s, u"Preview"_s},
        {Target::fileExtension(u"json"_s), u"com.microsoft.VSCode"_s, u"Visual Studio Code"_s},
        {pdf, u"com.apple.Preview"_s, u"Preview"_s},
    }));
    ASSERT_EQ(steps.size(), 6);
    EXPECT_EQ(steps[0], PlanStep::alreadySet(pdf));
    // A current default without identity is never "already set"; letter case matters.
    EXPECT_EQ(steps[1].kind, PlanStep::Case::change);
    EXPECT_EQ(steps[1].from->name, u"No id"_s);
    EXPECT_EQ(steps[2].kind, PlanStep::Case::change);
    EXPECT_EQ(steps[3], PlanStep::change({Target::fileExtension(u"jpg"_s), previewUrl}, std::nullopt, u"Preview"_s));
    EXPECT_EQ(steps[4], PlanStep::notInstalled(Target::fileExtension(u"json"_s), u"Visual Studio Code"_s));
    EXPECT_EQ(steps[5], PlanStep::alreadySet(pdf)); // entries are not merged
    EXPECT_TRUE(w.plan(profileOf({})).isEmpty());

    // A name that is an entry's own asks for that entry, not for any packaging of the program.
    const AppInfo flatpak {QUrl::fromLocalFile(u"/flatpak/preview.desktop"_s), u"com.apple.Preview"_s, u"Preview"_s};
    w.entries.insert(u"flatpak.preview"_s, flatpak);
    w.entries.insert(u"preview"_s, w.defaults.value(pdf));
    const auto named = w.plan(profileOf({{pdf, u"flatpak.preview"_s, u"Preview"_s}, {pdf, u"preview"_s, {}}}));
    EXPECT_EQ(named.value(0), PlanStep::change({pdf, flatpak.url}, w.defaults.value(pdf), u"Preview"_s));
    EXPECT_EQ(named.value(1), PlanStep::alreadySet(pdf));

    // What the system merely falls back to is no choice yet: the plan writes it, as `set` does.
    w.fallbacks.insert(pdf);
    EXPECT_EQ(w.plan(profileOf({{pdf, u"com.apple.Preview"_s, u"Preview"_s}})).value(0),
              PlanStep::change({pdf, previewUrl}, w.defaults.value(pdf), u"Preview"_s));
}

TEST(Presets, EachPlatformItsOwnPrograms)
{
    EXPECT_EQ(&Presets::all(), &Presets::forLinux());
    // Nothing on Linux names a macOS program, and no terminal is made the ssh: handler.
    for (const Profile& p : Presets::forLinux()) {
        for (const ProfileEntry& e : p.entries) {
            EXPECT_FALSE(e.bundleID.startsWith(u"com.apple."_s)) << e.bundleID.toStdString();
            EXPECT_FALSE(e.bundleID.startsWith(u"com.microsoft."_s) && e.bundleID != u"com.microsoft.VSCode"_s)
                << e.bundleID.toStdString();
            EXPECT_NE(e.target, Target::scheme(u"ssh"_s));
        }
    }
}

} // namespace
