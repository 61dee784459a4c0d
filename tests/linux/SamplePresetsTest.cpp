// SPDX-License-Identifier: GPL-3.0-or-later
// The Linux presets planned against the sample desktop (scripts/sample-desktop.sh): each entry
// whose program the sample installs, under any of its packagings, is found.
#include "DefaultsService.h"
#include "Presets.h"
#include "Printers.h"
#include "ProfilePlanner.h"
#include "Sandbox.h"
#include "SystemLaunchServices.h"

#include <gtest/gtest.h>

using namespace openwright;
using namespace openwright::test;
using namespace Qt::Literals::StringLiterals;

namespace {

struct PresetRow
{
    const char* name;
    int index; // in Presets::all()
    // Targets whose default the sample's lists give to the preset's program, or to another
    // packaging of it (space-separated). Every other entry but Proton Mail's plans as a change,
    // or as already set where the program is the type's only handler.
    const char* alreadySet;
};

class SamplePresets : public ::testing::TestWithParam<PresetRow>
{
protected:
    // Before the fixture builds its service, the first GIO user of the process.
    static void SetUpTestSuite() { Sandbox::instance().installSampleDesktop(); }

    DefaultsService service {std::make_shared<SystemLaunchServices>()};
};

TEST_P(SamplePresets, PlanFindsEveryInstalledProgram)
{
    const Profile& preset = Presets::all().at(GetParam().index);
    QSet<Target> alreadySet;
    for (const QString& id : QString::fromLatin1(GetParam().alreadySet).split(u' '))
        alreadySet.insert(*Target::parse(id));

    const auto steps = ProfilePlanner::plan(
        preset, [this](const Target& t) { return service.currentDefault(t); },
        [this](const QString& id) { return service.locate(id); });
    ASSERT_EQ(steps.size(), preset.entries.size());
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const ProfileEntry& entry = preset.entries[i];
        const PlanStep& step = steps[i];
        const std::string what = (entry.target.id() + u' ' + entry.bundleID).toStdString();
        if (entry.bundleID == u"ch.protonmail.desktop"_s) {
            EXPECT_EQ(step.kind, PlanStep::Case::notInstalled) << what;
        } else if (alreadySet.contains(entry.target)) {
            EXPECT_EQ(step.kind, PlanStep::Case::alreadySet) << what;
        } else if (step.kind != PlanStep::Case::alreadySet) {
            ASSERT_EQ(step.kind, PlanStep::Case::change) << what;
            // The located entry is the program the preset names, whichever packaging it is.
            EXPECT_EQ(service.appInfo(step.request.app).bundleID, entry.bundleID) << what;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Linux, SamplePresets,
    ::testing::Values(PresetRow {"work", 0, "mailto: .docx"},
                      // tg: Flathub's Telegram, whose ID ends in ".desktop". .png: the desktop's
                      // own list names Image Viewer over the user's GIMP.
                      PresetRow {"privacy", 1, "tg: .pdf .png"},
                      // .mp4: Debian's VLC is the default, Flathub's is the one found: one program.
                      PresetRow {"media", 2, ".mp4 .mp3 .png"}, PresetRow {"developer", 3, ".py"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
