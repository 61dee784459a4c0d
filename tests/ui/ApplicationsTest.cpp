// SPDX-License-Identifier: GPL-3.0-or-later
#include "applications/ApplicationPage.h"
#include "applications/ApplicationsView.h"
#include "AppModel.h"
#include "FakeLaunchServices.h"
#include "ModelFixture.h"
#include "Printers.h"
#include "profiles/ProfileSheet.h"
#include "profiles/StepRow.h"
#include "shell/RootView.h"
#include "types/AllTypesView.h"
#include "types/AppPicker.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>

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
    // What differs first; what is already set folded under its count.
    EXPECT_EQ(kinds, (QList<PlanStep::Case> {PlanStep::Case::change, PlanStep::Case::alreadySet}));
    ASSERT_TRUE(sheet->showUnchangedButton());
    EXPECT_EQ(sheet->showUnchangedButton()->text(), u"1 already set"_s);
    EXPECT_FALSE(sheet->rows()[1]->isVisibleTo(sheet));
    sheet->showUnchangedButton()->click();
    EXPECT_TRUE(sheet->rows()[1]->isVisibleTo(sheet));
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

namespace {

const Target plain = Target::mimeType(u"text/plain"_s);
const Target frob = Target::mimeType(u"text/x-frob"_s);

// Three MIME types and a link type: PDF, listed in the catalog; plain text, set by the user to
// Okular; Frob source, whose files (*.frob) open where plain text does; mailto, declared by
// Thunderbird.
class AllTypesTest : public ModelFixture
{
protected:
    void SetUp() override
    {
        fake->shareType(pdf, Target::mimeType(u"application/pdf"_s));
        fake->setDefault(pdf, evince);
        fake->setDeclared(evince, {u"application/pdf"_s});
        fake->setDeclared(thunderbird, {u"x-scheme-handler/mailto"_s});
        fake->setDefault(plain, okular);
        fake->setSource(plain, DefaultSource::user);
        fake->setParent(u"text/x-frob"_s, u"text/plain"_s);
        fake->shareType(Target::fileExtension(u"frob"_s), frob);
        make();
        refresh();
        await(model->readTypes());
        settle(*model);
    }

    // Every row shown, a group as "NAME (COUNT)", a type as its cells joined by " | ".
    static QStringList rows(const AllTypesView& view)
    {
        const QAbstractItemModel* m = view.tree()->model();
        QStringList out;
        for (int g = 0; g < m->rowCount(); ++g) {
            const QModelIndex group = m->index(g, 0);
            out.append(group.data().toString());
            for (int r = 0; r < m->rowCount(group); ++r) {
                QStringList cells;
                for (int c = 0; c < AllTypesView::columnCount; ++c)
                    cells.append(m->index(r, c, group).data().toString());
                out.append(cells.join(u" | "_s));
            }
        }
        return out;
    }
};

TEST_F(AllTypesTest, ListsEveryTypeByMediaTypeAndFiltersByAnyOfItsCells)
{
    AllTypesView view(*model);
    ASSERT_FALSE(view.isLoading());
    const QString pdfTitle = model->category(pdf).title;
    EXPECT_EQ(rows(view),
              (QStringList {
                  u"application (1)"_s,
                  pdfTitle + u" | application/pdf | *.pdf | Evince | "_s,
                  u"text (2)"_s,
                  u"text/plain | text/plain |  | Okular | Set by you"_s,
                  u"text/x-frob | text/x-frob | *.frob | Okular | "_s,
                  u"x-scheme-handler (1)"_s,
                  u"x-scheme-handler/mailto | x-scheme-handler/mailto |  | No default | "_s,
              }));

    // By a pattern, a name, an app; a group without a match goes.
    const struct
    {
        const char* text;
        QStringList shown;
    } filters[] = {
        {".frob", {u"text (1)"_s, u"text/x-frob | text/x-frob | *.frob | Okular | "_s}},
        {"MAILTO",
         {u"x-scheme-handler (1)"_s, u"x-scheme-handler/mailto | x-scheme-handler/mailto |  | No default | "_s}},
        {"okular",
         {u"text (2)"_s, u"text/plain | text/plain |  | Okular | Set by you"_s,
          u"text/x-frob | text/x-frob | *.frob | Okular | "_s}},
        {"nothing like it", {}},
    };
    for (const auto& f : filters) {
        SCOPED_TRACE(f.text);
        view.filter()->setText(QString::fromUtf8(f.text));
        EXPECT_EQ(rows(view), f.shown);
    }
    // A type without patterns still names its cell to a screen reader; a type asked for is
    // selected wherever the list scrolled.
    view.filter()->clear();
    const QModelIndex text = view.tree()->model()->index(1, 0);
    EXPECT_EQ(view.tree()->model()->index(0, AllTypesView::patternsColumn, text).data(Qt::AccessibleTextRole),
              u"No patterns"_s);
    view.reveal(frob);
    EXPECT_EQ(view.tree()->currentIndex().siblingAtColumn(AllTypesView::nameColumn).data().toString(),
              u"text/x-frob"_s);
    EXPECT_EQ(model->selectedType(), frob);
    // The search finds the types no list shows, and none the catalog lists.
    model->setSearchText(u"frob"_s);
    ASSERT_EQ(model->typeResults().size(), 1);
    EXPECT_EQ(model->typeResults().first().type, u"text/x-frob"_s);
    model->setSearchText(u"pdf"_s);
    EXPECT_TRUE(model->typeResults().isEmpty());
}

TEST_F(AllTypesTest, TheSelectedTypeIsWatchedAndAChangeMovesItsSubtypeRowsToo)
{
    AllTypesView view(*model);
    view.filter()->setText(u"frob"_s);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(view.filter(), &down);
    EXPECT_EQ(model->selectedType(), frob);
    ASSERT_NE(view.picker(), nullptr);
    settle(*model);
    EXPECT_EQ(view.picker()->label(), u"Okular"_s);
    // Watched while selected: a refresh keeps it, as the guard does.
    refresh();
    EXPECT_EQ(view.picker()->label(), u"Okular"_s);

    // Plain text to Evince: Frob, which has no default of its own, moves with it.
    view.filter()->clear();
    await(model->change(model->category(plain), evince));
    settle(*model);
    EXPECT_EQ(model->typeIndex().find(u"text/plain"_s)->current, evince);
    EXPECT_EQ(model->typeIndex().find(u"text/x-frob"_s)->current, evince);
    EXPECT_TRUE(rows(view).contains(u"text/x-frob | text/x-frob | *.frob | Evince | "_s))
        << rows(view).join(u'\n').toStdString();
    EXPECT_EQ(view.picker()->label(), u"Evince"_s);
}

} // namespace
