// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeLaunchServices.h"
#include "ModelFixture.h"
#include "overview/CleanUpSheet.h"
#include "overview/DropInspector.h"
#include "overview/HealthCard.h"
#include "overview/IssueRow.h"
#include "overview/OverviewView.h"
#include "overview/StatTile.h"
#include "Printers.h"
#include "shell/MainWindow.h"
#include "shell/RootView.h"
#include "shell/TrayPanel.h"
#include "types/CategoryRow.h"
#include "widgets/Style.h"

#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace openwright;
using namespace openwright::test;
using namespace openwright::ui;
using namespace Qt::Literals::StringLiterals;

namespace {

class OverviewTest : public ModelFixture
{
protected:
    void SetUp() override
    {
        make();
        refresh();
    }
};

// Where KDE programs would open a type elsewhere, the overview says how many and one button
// pins what GTK programs open, for those types only.
TEST_F(OverviewTest, MakesEveryProgramAgree)
{
    fake->setKdeOpens(pdf, okular.url);
    refresh();
    OverviewView view(*model);
    auto* row = view.findChild<QWidget*>(u"openers"_s);
    ASSERT_TRUE(row && !row->isHidden());
    EXPECT_EQ(row->findChild<QLabel*>()->text(), u"1 type opens differently in other programs"_s);
    const auto before = model->states().value(pdf).current;
    const int calls = fake->setCalls();
    view.findChild<QPushButton*>(u"agree"_s)->click();
    settle(*model);
    QCoreApplication::processEvents();
    EXPECT_EQ(fake->setCalls(), calls + 1);
    EXPECT_EQ(model->states().value(pdf).current, before);
    EXPECT_TRUE(model->states().value(pdf).otherOpeners.isEmpty());
    EXPECT_TRUE(row->isHidden());
}

// The overview counts the problems in the defaults files; the sheet fixes the ticked ones after a
// backup, keeps the old file beside the new one and says what it did.
class CleanUpTest : public ModelFixture
{
};

TEST_F(CleanUpTest, FixesTheTickedProblemsAndSaysWhat)
{
    QFile list(useDoctorList(
        "[Default Applications]\napplication/pdf=gone.desktop;okular.desktop;\ntext/plain=gone.desktop;\n"));
    make();
    refresh();
    // Moved after the day's backup: the clean-up backs up what is set now.
    fake->setDefault(pdf, okular);
    check();
    clock.setNow(clock.now().addSecs(60));
    EXPECT_EQ(model->health().fileProblems, 2);
    OverviewView view(*model);
    auto* count = view.findChild<QWidget*>(u"fileProblems"_s);
    ASSERT_TRUE(count && !count->isHidden());
    EXPECT_TRUE(count->findChild<QLabel*>()->text() == u"2 problems in your defaults files"_s);

    CleanUpSheet sheet(*model);
    ASSERT_EQ(sheet.boxes().size(), 2);
    // A click on a finding's explanation ticks its box, as on a box's own text.
    const auto labels = sheet.findChildren<QLabel*>();
    const auto second = std::find_if(labels.cbegin(), labels.cend(),
                                     [](QLabel* l) { return l->text().contains(u"for text/plain"_s); });
    ASSERT_NE(second, labels.cend());
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(*second, &release);
    EXPECT_FALSE(sheet.boxes()[1]->isChecked()); // text/plain stays as it is
    sheet.fixButton()->click();
    // One clean-up at a time, whatever is ticked meanwhile.
    EXPECT_FALSE(sheet.fixButton()->isEnabled());
    sheet.boxes()[0]->toggle();
    sheet.boxes()[0]->toggle();
    EXPECT_FALSE(sheet.fixButton()->isEnabled());
    spinUntil([&] { return !sheet.outcomeText().isEmpty(); });
    settle(*model);
    EXPECT_TRUE(sheet.outcomeText().startsWith(u"Fixed ~"_s) || sheet.outcomeText().startsWith(u"Fixed /"_s))
        << sheet.outcomeText().toStdString();
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_EQ(list.readAll(), "[Default Applications]\napplication/pdf=okular.desktop;\ntext/plain=gone.desktop;\n");
    EXPECT_TRUE(QFile::exists(list.fileName() + u".before-cleanup-1"_s));
    EXPECT_EQ(model->defaultsFileProblems(), 1);
    EXPECT_EQ(sheet.boxes().size(), 1);
    ASSERT_EQ(model->backups().size(), 2);
    EXPECT_EQ(model->backups()[0].backupReason->title(), u"Before applying \u201CClean Up\u201D"_s);
}

TEST(HealthTone, FollowsTheScoreBands)
{
    EXPECT_EQ(healthTone(85), Style::Tone::success);
    EXPECT_EQ(healthTone(84), Style::Tone::warning);
    EXPECT_EQ(healthTone(60), Style::Tone::warning);
    EXPECT_EQ(healthTone(59), Style::Tone::danger);
}

TEST_F(OverviewTest, ClearingTheSearchBringsBackTheScreenItReplaced)
{
    MainWindow window(*model);
    Page* overview = window.rootView()->currentPage();
    model->setSearchText(u"pdf"_s);
    EXPECT_NE(window.rootView()->currentPage(), overview);
    model->setSearchText({});
    EXPECT_EQ(window.rootView()->currentPage(), overview) << "kept, not built again";

    // Another screen chosen meanwhile is built instead.
    model->setSearchText(u"pdf"_s);
    model->setSelection(SidebarItem::groupItem(CategoryGroup::media));
    model->setSearchText({});
    EXPECT_NE(window.rootView()->currentPage(), overview);
}

TEST_F(OverviewTest, DroppingAFileInspectsItAndJumpsToTheOverview)
{
    MainWindow window(*model);
    model->setSelection(SidebarItem::groupItem(CategoryGroup::media));
    model->setSearchText(u"zip"_s);

    // The first file among the dropped items counts; a web link is passed over.
    QMimeData data;
    data.setUrls({QUrl(u"https://example.org/a.pdf"_s), QUrl::fromLocalFile(u"/tmp/drop/notes.ORG"_s)});
    // Qt hands a drop only to the widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    settle(*model);

    EXPECT_TRUE(drop.isAccepted());
    const Target org = Target::fileExtension(u"org"_s);
    EXPECT_EQ(model->inspected(), org);
    EXPECT_EQ(model->selection(), SidebarItem::overview());
    EXPECT_TRUE(model->searchText().isEmpty());
    auto* page = qobject_cast<OverviewView*>(window.rootView()->currentPage());
    ASSERT_NE(page, nullptr);
    auto* inspector = page->findChild<DropInspector*>();
    ASSERT_NE(inspector, nullptr);
    auto* row = inspector->findChild<CategoryRow*>();
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->category().target, org);

    // .org is no type of the catalog: it can be added, and then it is one of the user's.
    EXPECT_NE(row->category().summary, u"Added by you"_s);
    QPushButton* add = inspector->addButton();
    ASSERT_FALSE(add->isHidden());
    EXPECT_EQ(add->text(), u"Add .org to My File Types"_s);
    add->click();
    EXPECT_EQ(model->customTargets(), QList<Target> {org});
    EXPECT_TRUE(add->isHidden());

    inspector->clearButton()->click();
    EXPECT_EQ(model->inspected(), std::nullopt);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(inspector->findChild<CategoryRow*>(), nullptr);
}

TEST_F(OverviewTest, TheGuardTileCountsUnresolvedChanges)
{
    OverviewView view(*model);
    StatTile* changes = nullptr;
    for (StatTile* tile : view.findChildren<StatTile*>()) {
        if (tile->accessibleName() == u"Changes spotted by Guard"_s)
            changes = tile;
    }
    ASSERT_TRUE(changes);
    EXPECT_EQ(changes->value(), u"0"_s);
    fake->setDefault(pdf, okular);
    fake->setDefault(mailto, evince);
    check();
    EXPECT_EQ(changes->value(), u"2"_s);
    model->markResolved(model->unresolvedChanges().value(0).id);
    EXPECT_EQ(changes->value(), u"1"_s);
}

TEST_F(OverviewTest, ShowOnAnIssueSelectsItsGroup)
{
    deleted.insert(evince.url);
    OverviewView view(*model);
    IssueRow* pdfIssue = nullptr;
    for (IssueRow* row : view.findChildren<IssueRow*>()) {
        if (row->issue().target == pdf)
            pdfIssue = row;
    }
    ASSERT_NE(pdfIssue, nullptr);
    EXPECT_EQ(IssueRow::message(pdfIssue->issue()), u"Set to Evince, which is no longer installed."_s);

    EXPECT_EQ(pdfIssue->showButton()->accessibleName(), u"Show .pdf"_s);
    pdfIssue->showButton()->click();
    EXPECT_EQ(model->selection(), SidebarItem::groupItem(model->category(pdf).group));
}

TEST_F(OverviewTest, TrayPanelListsAtMostFourChanges)
{
    TrayPanel panel(*model);
    int taken = 0;
    for (const FileCategory& c : Catalog::all()) {
        if (c.target != pdf && !model->states().value(c.target).current && taken < 4) {
            fake->setDefault(c.target, okular);
            ++taken;
        }
    }
    check();
    fake->setDefault(pdf, okular);
    check();
    clock.setNow(clock.now().addSecs(60));
    ASSERT_EQ(model->unresolvedChanges().size(), 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const QList<QWidget*> rows = panel.findChildren<QWidget*>(u"recentChange"_s);
    ASSERT_EQ(rows.size(), TrayPanel::kMaxChanges);
    // Newest first; only a change that replaced an application can be reverted.
    bool namesPdf = false;
    for (QLabel* label : rows[0]->findChildren<QLabel*>())
        namesPdf = namesPdf || label->text() == u".pdf: Okular"_s;
    EXPECT_TRUE(namesPdf);
    int reverts = 0;
    for (QWidget* row : rows)
        reverts += int(row->findChildren<QToolButton*>().size());
    EXPECT_EQ(reverts, 1);
    ASSERT_NE(rows[0]->findChild<QToolButton*>(), nullptr);
    EXPECT_EQ(rows[0]->findChild<QToolButton*>()->text(), u"Revert"_s);
}

TEST_F(OverviewTest, TrayPanelRevertsItsOwnRowAndSaysWhenItCannot)
{
    model->togglePin(pdf);
    model->togglePin(mailto);
    fake->setDefault(pdf, okular);
    check();
    clock.setNow(clock.now().addSecs(60));
    fake->setDefault(mailto, evince);
    check();
    TrayPanel panel(*model);
    const QUuid pdfChange = model->unresolvedChanges().value(1).id;
    const auto revertOf = [&](int row) {
        return panel.findChildren<QWidget*>(u"recentChange"_s).value(row)->findChild<QToolButton*>(u"revert"_s);
    };
    // The older change, below the newest: its own row's Revert reverts it, and only it.
    ASSERT_TRUE(revertOf(1));
    EXPECT_EQ(revertOf(1)->accessibleName(), u"Revert .pdf to Evince"_s);
    revertOf(1)->click();
    settle(*model);
    EXPECT_EQ(fake->defaultApp(pdf), evince.url);
    EXPECT_EQ(fake->defaultApp(mailto), evince.url);
    ASSERT_EQ(model->unresolvedChanges().size(), 1);
    EXPECT_EQ(model->unresolvedChanges()[0].target, mailto);
    EXPECT_EQ(shown->closed, QStringList {uuidText(pdfChange)}); // its notification goes with it

    // Thunderbird was removed meanwhile: the row says so, and no backup is taken for it.
    deleted.insert(thunderbird.url);
    const qsizetype backups = model->backups().size();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    revertOf(0)->click();
    settle(*model);
    QCoreApplication::processEvents();
    ASSERT_EQ(model->unresolvedChanges().size(), 1);
    auto* outcome = panel.findChild<IconLabel*>(u"outcome"_s);
    ASSERT_TRUE(outcome && !outcome->isHidden());
    EXPECT_EQ(outcome->textLabel()->text(), u"That app is no longer installed"_s);
    EXPECT_EQ(model->backups().size(), backups);
    EXPECT_TRUE(revertOf(0)->isEnabled());
}

} // namespace
