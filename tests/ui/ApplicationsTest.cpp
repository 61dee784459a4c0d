// SPDX-License-Identifier: GPL-3.0-or-later
#include "applications/ApplicationPage.h"
#include "applications/ApplicationsView.h"
#include "AppModel.h"
#include "FakeLaunchServices.h"
#include "ModelFixture.h"
#include "profiles/ProfileSheet.h"
#include "profiles/StepRow.h"
#include "shell/RootView.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QToolButton>

#include <QApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

using namespace openwright;
using namespace openwright::test;
using namespace openwright::ui;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString mp4 = u"video/mp4"_s;
const QString webm = u"video/webm"_s;
const QString mp3 = u"audio/mpeg"_s;

// VLC declares two video types and one audio type; Totem opens the other video type. Evince
// (from the fixture) declares nothing.
class ApplicationsTest : public ModelFixture
{
protected:
    AppInfo vlc, totem;

    void SetUp() override
    {
        vlc = fake->addApp(u"VLC"_s, u"org.videolan.vlc"_s);
        totem = fake->addApp(u"Totem"_s, u"org.gnome.Totem"_s);
        fake->setDeclared(vlc, {mp4, webm, mp3});
        fake->setDeclared(totem, {mp4, webm});
        fake->setDefault(Target::mimeType(mp4), vlc);
        fake->setDefault(Target::mimeType(webm), totem);
        make();
        refresh();
        await(model->readApplications());
        settle(*model);
    }
};

TEST_F(ApplicationsTest, ListsTheApplicationsAndShowsNoPageUntilOneIsChosen)
{
    ApplicationsView view(*model);
    EXPECT_TRUE(view.isShowingPlaceholder());
    QStringList names;
    for (int row = 0; row < view.list()->model()->rowCount(); ++row)
        names.append(view.list()->model()->index(row, 0).data(Qt::AccessibleTextRole).toString());
    EXPECT_EQ(names, (QStringList {u"Evince"_s, u"Okular"_s, u"Thunderbird"_s, u"Totem"_s, u"VLC"_s}));
    const QModelIndex vlcRow = view.list()->model()->index(4, 0);
    EXPECT_EQ(vlcRow.data(Qt::AccessibleDescriptionRole).toString(), u"Default for 1 type"_s);

    // Typing a name, then Return, opens the match; Down goes to the first match.
    const auto press = [&](int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(view.filter(), &event);
    };
    view.filter()->setText(u"o"_s);
    press(Qt::Key_Down);
    EXPECT_EQ(view.list()->currentIndex().data(Qt::AccessibleTextRole).toString(), u"Okular"_s);
    view.filter()->setText(u"to"_s);
    EXPECT_EQ(view.list()->model()->rowCount(), 1);
    press(Qt::Key_Return);
    EXPECT_EQ(model->selectedApplication(), totem.url);
    EXPECT_FALSE(view.isShowingPlaceholder());
}

TEST_F(ApplicationsTest, AnApplicationDeclaringNothingSaysSoAndOffersNoChange)
{
    model->setSelectedApplication(evince.url);
    ApplicationsView view(*model);
    EXPECT_FALSE(view.isShowingPlaceholder());
    EXPECT_TRUE(view.page()->emptyText().startsWith(u"Evince declares no types"_s));
    EXPECT_FALSE(view.page()->useForAllButton()->isEnabled());
    EXPECT_TRUE(view.page()->families().isEmpty());
}

// A name with an ampersand ("Text & Code") shows it, and gives its button no shortcut.
TEST_F(ApplicationsTest, AnAmpersandInAFamilysNameIsShownNotAShortcut)
{
    fake->setDeclared(vlc, {mp4, u"text/plain"_s});
    await(model->readApplications());
    model->setSelectedApplication(vlc.url);
    ApplicationsView view(*model);
    QPushButton* button = view.page()->familyButton(TypeFamily::textCode);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->shortcut().isEmpty()) << button->text().toStdString();
}

TEST_F(ApplicationsTest, AFamilyPartlySetPlansOnlyWhatIsMissingAndMarksItOnceApplied)
{
    model->setSelectedApplication(vlc.url);
    ApplicationsView view(*model);
    ApplicationPage& page = *view.page();
    EXPECT_EQ(page.families(), (QList<TypeFamily> {TypeFamily::video, TypeFamily::audio}));
    EXPECT_EQ(page.familyStatus(TypeFamily::video), u"1 of 2 open in VLC"_s);
    EXPECT_TRUE(page.isMarked(mp4));
    EXPECT_FALSE(page.isMarked(webm));
    EXPECT_EQ(page.useForTypeButton(mp4), nullptr);
    ASSERT_NE(page.useForTypeButton(webm), nullptr);

    page.familyButton(TypeFamily::video)->click();
    ProfileSheet* sheet = view.sheet();
    ASSERT_NE(sheet, nullptr);
    QList<PlanStep::Case> kinds;
    for (StepRow* row : sheet->rows())
        kinds.append(row->step().kind);
    EXPECT_EQ(kinds, (QList<PlanStep::Case> {PlanStep::Case::alreadySet, PlanStep::Case::change}));
    sheet->primaryButton()->click();
    spinUntil([&] { return !sheet->isRunning(); });
    settle(*model);
    EXPECT_EQ(sheet->footerText(), u"1 of 1 changed."_s);
    EXPECT_TRUE(page.isMarked(webm));
    EXPECT_FALSE(page.familyButton(TypeFamily::video)->isEnabled());
    EXPECT_FALSE(page.isMarked(mp3));
    const QList<Profile> backups = model->backups(); // a new list each call: iterate one
    EXPECT_TRUE(std::any_of(backups.cbegin(), backups.cend(), [](const Profile& b) {
        return b.backupReason && b.backupReason->kind() == BackupReason::Case::beforeProfile;
    }));
    sheet->close();
}

// A Flatpak of VLC beside the package: what the package opens is not the Flatpak's default.
TEST_F(ApplicationsTest, AnotherPackagingOfTheSameNameIsNotTheDefault)
{
    const AppInfo flatpak = fake->addApp(
        AppInfo {QUrl::fromLocalFile(u"/var/lib/flatpak/exports/share/applications/org.videolan.VLC.desktop"_s),
                 u"org.videolan.VLC"_s, u"VLC"_s});
    fake->setDeclared(flatpak, {mp4});
    await(model->readApplications());
    settle(*model);
    model->setSelectedApplication(flatpak.url);
    ApplicationsView view(*model);
    ApplicationPage& page = *view.page();
    EXPECT_FALSE(page.isMarked(mp4));
    EXPECT_NE(page.useForTypeButton(mp4), nullptr);
    EXPECT_EQ(page.familyStatus(TypeFamily::video), u"0 of 1 open in VLC (Flatpak)"_s);
}

TEST_F(ApplicationsTest, SearchFindsAnApplicationAndItsHitOpensThePage)
{
    RootView root(*model);
    model->setSearchText(u"vl"_s);
    auto* hits = root.findChild<ApplicationHits*>();
    ASSERT_NE(hits, nullptr);
    QList<QToolButton*> buttons = hits->findChildren<QToolButton*>(u"applicationHit"_s);
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons.first()->text(), u"VLC"_s);
    buttons.first()->click();
    EXPECT_TRUE(model->searchText().isEmpty());
    EXPECT_EQ(model->selection(), SidebarItem::applications());
    auto* view = qobject_cast<ApplicationsView*>(root.currentPage());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->page()->app(), vlc.url);
}

} // namespace
