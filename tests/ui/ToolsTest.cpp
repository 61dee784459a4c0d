// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppModel.h"
#include "backups/BackupRow.h"
#include "backups/BackupsView.h"
#include "FakeLaunchServices.h"
#include "guard/ChangeRow.h"
#include "guard/GuardView.h"
#include "ModelFixture.h"
#include "PlatformText.h"
#include "Presets.h"
#include "Printers.h"
#include "profiles/ProfileCard.h"
#include "profiles/ProfileSheet.h"
#include "profiles/ProfilesView.h"
#include "profiles/StepRow.h"
#include "widgets/FileDialogs.h"
#include "widgets/RowList.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace openwright;
using namespace openwright::test;
using namespace openwright::ui;
using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace {

// The guard, profile and backup screens over a model of the in-memory platform. File dialogs
// are replaced by answers given here.
class ToolsTest : public ModelFixture
{
protected:
    void SetUp() override
    {
        make();
        refresh();
    }
    QList<Profile> custom() const
    {
        QList<Profile> list;
        for (const Profile& p : model->profiles()) {
            if (p.kind == Profile::Kind::custom)
                list.append(p);
        }
        return list;
    }
    static ProfileCard* card(const ProfilesView& view, const QString& name)
    {
        for (ProfileCard* c : view.findChildren<ProfileCard*>()) {
            if (c->profile().name == name)
                return c;
        }
        return nullptr;
    }
    template<typename T> static T* named(const QWidget& in, const QString& name) { return in.findChild<T*>(name); }
    static QStringList texts(const QWidget& in, const QString& labelName)
    {
        QStringList list;
        for (QLabel* l : in.findChildren<QLabel*>(labelName))
            list.append(l->text());
        return list;
    }
};

TEST_F(ToolsTest, PresetAlreadyInPlaceIsAllSetAndCannotRun)
{
    const Profile preset = Presets::all().value(2);
    QHash<QString, AppInfo> apps;
    for (const ProfileEntry& e : preset.entries) {
        if (!apps.contains(e.bundleID))
            apps.insert(e.bundleID, fake->addApp(e.appName, e.bundleID));
        fake->setDefault(e.target, apps.value(e.bundleID));
    }
    refresh();
    ProfilesView view(*model);
    ProfileCard* presetCard = card(view, preset.name);
    ASSERT_TRUE(presetCard);
    EXPECT_EQ(presetCard->planSummary(), u"All set"_s);
    EXPECT_TRUE(named<QLabel>(*presetCard, u"presetTag"_s));
    presetCard->click();
    ASSERT_TRUE(view.sheet());
    EXPECT_FALSE(view.sheet()->primaryButton()->isEnabled());
    EXPECT_EQ(view.sheet()->rows().size(), preset.entries.size());
    view.sheet()->close();
}

TEST_F(ToolsTest, RunShowsEachOutcomeAndHowManyChanged)
{
    ASSERT_TRUE(model->saveCurrentAsProfile(u"Mine"_s)); // .pdf in Evince, mailto: in Thunderbird
    fake->setDefault(pdf, okular);
    fake->setDefault(mailto, evince);
    fake->setSticky(mailto); // accepted, but the default stays: declined
    refresh();
    ProfilesView view(*model);
    ProfileCard* mine = card(view, u"Mine"_s);
    ASSERT_TRUE(mine);
    EXPECT_EQ(mine->planSummary(), u"2 of 2 to change"_s);
    EXPECT_FALSE(named<QLabel>(*mine, u"presetTag"_s));

    mine->click();
    ProfileSheet* sheet = view.sheet();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->primaryButton()->text(), u"Apply 2 Changes"_s);
    // Nothing is already set: no fold, every step in sight.
    EXPECT_FALSE(sheet->showUnchangedButton());
    EXPECT_TRUE(sheet->rows().value(0) && sheet->rows()[0]->isVisibleTo(sheet));
    sheet->primaryButton()->click();
    EXPECT_TRUE(sheet->isRunning());
    EXPECT_EQ(sheet->footerText(), platformText(PlatformText::ConfirmEach));
    EXPECT_FALSE(sheet->primaryButton()->isEnabled());
    spinUntil([&] { return !sheet->isRunning(); });

    EXPECT_EQ(sheet->footerText(), u"1 of 2 changed."_s);
    QHash<Target, QString> outcomes;
    for (StepRow* row : sheet->rows()) {
        auto* icon = row->findChild<QLabel*>(u"outcome"_s);
        ASSERT_TRUE(icon && !icon->isHidden()) << row->step().target().id().toStdString();
        outcomes.insert(row->step().target(), icon->toolTip());
    }
    EXPECT_EQ(outcomes.value(pdf), u"Changed"_s);
    EXPECT_EQ(outcomes.value(mailto), platformText(PlatformText::Declined));
    EXPECT_EQ(sheet->closeButton()->text(), u"Done"_s);
    EXPECT_FALSE(sheet->primaryButton()->isEnabled()); // one run per sheet
    sheet->closeButton()->click();
    settle(*model);
}

TEST_F(ToolsTest, ExportImportAndAnUndoneDeleteKeepOneCardForEachProfile)
{
    ASSERT_TRUE(model->saveCurrentAsProfile(u"Mine"_s));
    clock.advance(1min);
    ASSERT_TRUE(model->saveCurrentAsProfile(u"Weekend / Travel"_s));
    const QList<Profile> exported = custom();
    ProfilesView view(*model);
    QStringList proposed;
    QString answer;
    view.pickExportFile = [&](QWidget*, const QString& name, std::function<void(const QString&)> chosen) {
        proposed.append(name);
        chosen(answer);
    };
    view.pickImportFile = [&](QWidget*, const QString&, std::function<void(const QString&)> chosen) { chosen(answer); };

    // A write that fails says why and leaves nothing behind.
    answer = dir.filePath(u"missing/profiles.json"_s);
    named<QAction>(view, u"exportMine"_s)->trigger();
    EXPECT_TRUE(view.message().startsWith(u"Export failed: "_s)) << view.message().toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(u"missing"_s)));

    answer = dir.filePath(u"one.json"_s);
    named<QAction>(*card(view, u"Weekend / Travel"_s), u"exportProfile"_s)->trigger();
    EXPECT_EQ(view.message(), u"Exported 1 profile."_s);

    answer = dir.filePath(u"all.json"_s);
    named<QAction>(view, u"exportMine"_s)->trigger();
    EXPECT_EQ(view.message(), u"Exported 2 profiles."_s);
    EXPECT_EQ(proposed,
              QStringList({u"Openwright Profiles.json"_s, u"Weekend - Travel.openwright.json"_s,
                           u"Openwright Profiles.json"_s}));
    EXPECT_EQ(QDir(dir.path()).entryList({u"all.json.*"_s}, QDir::Files | QDir::Hidden), QStringList());

    // A delete can be undone, in place; the next action dismisses its message.
    named<QAction>(*card(view, u"Mine"_s), u"deleteProfile"_s)->trigger();
    EXPECT_EQ(view.message(), u"Deleted \u201CMine\u201D."_s);
    ASSERT_TRUE(view.messageAction());
    EXPECT_TRUE(view.messageAction()->hasFocus() || !view.isActiveWindow());
    view.messageAction()->click();
    EXPECT_EQ(custom(), exported);
    EXPECT_EQ(view.message(), QString());
    named<QAction>(*card(view, u"Mine"_s), u"deleteProfile"_s)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // What is there already is not added twice: the same name and defaults.
    named<QAction>(view, u"importProfiles"_s)->trigger();
    EXPECT_EQ(view.message(),
              u"Imported 1 profile. Already there, not imported again: \u201CWeekend / Travel\u201D."_s);
    EXPECT_FALSE(view.messageAction());
    const QList<Profile> all = custom();
    ASSERT_EQ(all.size(), 2);
    Profile imported = all.at(1);
    EXPECT_NE(imported.id, exported.at(0).id);
    imported.id = exported.at(0).id;
    EXPECT_EQ(imported, exported.at(0));
    named<QAction>(view, u"importProfiles"_s)->trigger();
    EXPECT_EQ(view.message(), u"Already there, not imported again: \u201CMine\u201D, \u201CWeekend / Travel\u201D."_s);
    EXPECT_EQ(view.findChildren<ProfileCard*>().size(), Presets::all().size() + 2);
}

TEST(FileDialogs, StartInDocumentsOrElseHome)
{
    const QString documents = QDir::homePath() + u"/Documents"_s;
    QDir(documents).removeRecursively();
    EXPECT_EQ(FileDialogs::startFolder(), QDir::homePath());
    ASSERT_TRUE(QDir().mkpath(documents));
    EXPECT_EQ(FileDialogs::startFolder(), documents);
    QDir(documents).removeRecursively();
}

TEST_F(ToolsTest, BrokenImportSaysSoAndAddsNothing)
{
    ProfilesView view(*model);
    const QString path = dir.filePath(u"broken.json"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "openwright.profile", "version": 1, "profiles": []})");
    file.close();
    view.pickImportFile = [&](QWidget*, const QString&, std::function<void(const QString&)> chosen) { chosen(path); };
    const qsizetype before = model->profiles().size();
    named<QAction>(view, u"importProfiles"_s)->trigger();
    EXPECT_EQ(view.message(), u"That file isn't an Openwright profile export."_s);
    EXPECT_EQ(model->profiles().size(), before);
}

TEST_F(ToolsTest, DeletingTheLastBackupOfADayRemovesItsSection)
{
    ASSERT_EQ(model->backups().size(), 1); // the day's automatic one, taken after the first read
    ASSERT_TRUE(model->backUpNow());
    clock.setNow(clock.now().addDays(1));
    ASSERT_TRUE(model->backUpNow());
    BackupsView view(*model);
    EXPECT_EQ(texts(view, u"dayTitle"_s),
              QStringList({u"Today \u00B7 Mar 2, 2025"_s, u"Yesterday \u00B7 Mar 1, 2025"_s}));

    const auto yesterdays = [&] {
        QList<BackupRow*> rows = view.findChildren<BackupRow*>();
        rows.removeIf([](BackupRow* r) { return r->backup().createdAt.date() != QDate(2025, 3, 1); });
        return rows;
    };
    ASSERT_EQ(yesterdays().size(), 2);
    named<QToolButton>(*yesterdays().at(0), u"delete"_s)->click();
    EXPECT_EQ(texts(view, u"dayTitle"_s).size(), 2);
    ASSERT_EQ(yesterdays().size(), 1);
    named<QToolButton>(*yesterdays().at(0), u"delete"_s)->click();
    EXPECT_EQ(texts(view, u"dayTitle"_s), QStringList({u"Today \u00B7 Mar 2, 2025"_s}));
    EXPECT_EQ(view.findChildren<BackupRow*>().size(), 1);
    EXPECT_EQ(model->backups().size(), 1);
}

TEST_F(ToolsTest, BackupEqualToNowCannotBeRestored)
{
    ASSERT_TRUE(model->backUpNow());
    BackupsView view(*model);
    auto* row = view.findChild<BackupRow*>();
    ASSERT_TRUE(row);
    EXPECT_EQ(row->differenceText(), u"Same as now"_s);
    EXPECT_FALSE(row->restoreButton()->isEnabled());

    fake->setDefault(pdf, okular);
    refresh();
    EXPECT_EQ(row->differenceText(), u"1 different from now"_s);
    view.show();
    const QString id = row->backup().id;
    row->restoreButton()->click();
    ProfileSheet* sheet = view.sheet();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->primaryButton()->text(), u"Restore 1 Default"_s);
    sheet->primaryButton()->click();
    spinUntil([&] { return !sheet->isRunning(); });
    settle(*model);
    // The run rebuilt the rows: Done gives the keyboard to the same backup's row, now the
    // defaults, so to its delete.
    sheet->closeButton()->click();
    spinUntil([&] { return view.focusWidget() && view.focusWidget()->objectName() == u"delete"_s; });
    QWidget* focused = view.focusWidget();
    ASSERT_TRUE(focused && focused->objectName() == u"delete"_s);
    auto* now = qobject_cast<BackupRow*>(focused->parentWidget());
    ASSERT_TRUE(now);
    EXPECT_EQ(now->backup().id, id);
    EXPECT_EQ(now->differenceText(), u"Same as now"_s);
}

TEST_F(ToolsTest, KeepResolvesWithoutChangingRevertAndAllowAskTheModel)
{
    model->togglePin(pdf);
    fake->setDefault(pdf, okular);
    await(model->checkGuard());
    settle(*model);
    GuardView view(*model);
    EXPECT_EQ(named<QLabel>(view, u"pinnedTitle"_s)->text(), u"Pinned (1)"_s);
    auto* row = view.findChild<ChangeRow*>();
    ASSERT_TRUE(row);
    EXPECT_EQ(named<QLabel>(*row, u"detectedAt"_s)->text(), u"now"_s);
    ASSERT_TRUE(named<QPushButton>(*row, u"revert"_s));
    named<QPushButton>(*row, u"keep"_s)->click();
    EXPECT_TRUE(model->guardState().history.value(0).resolved);
    EXPECT_EQ(fake->setCalls(), 0);
    EXPECT_EQ(fake->defaultApp(pdf), okular.url);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(view.findChild<ChangeRow*>(), row); // the same row, now handled
    ASSERT_TRUE(named<QLabel>(*row, u"handled"_s));
    EXPECT_FALSE(named<QPushButton>(*row, u"keep"_s));

    fake->setDefault(pdf, evince);
    clock.advance(5min);
    await(model->checkGuard());
    settle(*model);
    const QList<QWidget*> rows = named<RowList>(view, u"changes"_s)->rows(); // newest first
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(named<QLabel>(*rows.at(1), u"detectedAt"_s)->text(), u"5 minutes ago"_s);
    named<QPushButton>(*rows.at(0), u"revert"_s)->click();
    settle(*model);
    EXPECT_EQ(fake->setCalls(), 1);
    EXPECT_EQ(fake->defaultApp(pdf), okular.url);
    EXPECT_TRUE(model->unresolvedChanges().isEmpty());

    // Kept now: the guard puts Okular back; Allow takes Evince after all, and the row says so.
    model->setAlwaysKeep(pdf, true);
    fake->setDefault(pdf, evince);
    clock.advance(1min);
    check();
    auto* putBack = qobject_cast<ChangeRow*>(named<RowList>(view, u"changes"_s)->rows().value(0));
    ASSERT_TRUE(putBack && putBack->change().handling == DefaultChange::Handling::putBack);
    EXPECT_EQ(named<QLabel>(*putBack, u"handled"_s)->text(), u"Put back"_s);
    auto* allow = named<QPushButton>(*putBack, u"allow"_s);
    ASSERT_TRUE(allow);
    allow->click();
    EXPECT_FALSE(allow->isEnabled());
    settle(*model);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(fake->defaultApp(pdf), evince.url);
    EXPECT_EQ(named<QLabel>(*putBack, u"handled"_s)->text(), u"Allowed"_s);
    EXPECT_FALSE(named<QPushButton>(*putBack, u"allow"_s)) << "a second Allow would change nothing";
}

TEST_F(ToolsTest, GuardRowsUpdateInPlaceAndTheFocusNeverJumpsToAnotherType)
{
    const Target epub = Target::fileExtension(u"epub"_s);
    for (const Target& t : {pdf, mailto, epub})
        model->togglePin(t);
    fake->setDefault(pdf, okular);
    fake->setDefault(mailto, evince);
    fake->setDefault(epub, okular);
    check();
    GuardView view(*model);
    view.resize(700, 320);
    view.show();
    // Check Now waits for its check, and can be pressed again once it is done.
    fake->setReadDelay(5ms);
    auto* checkNow = named<QToolButton>(view, u"checkNow"_s);
    checkNow->click();
    EXPECT_FALSE(checkNow->isEnabled());
    settle(*model);
    QCoreApplication::processEvents();
    EXPECT_TRUE(checkNow->isEnabled());
    fake->setReadDelay(0ms);
    const QList<ChangeRow*> rows = view.findChildren<ChangeRow*>();
    ASSERT_EQ(rows.size(), 3);
    QScrollBar* bar = view.findChild<QScrollArea*>()->verticalScrollBar();
    bar->setValue(bar->maximum());
    const int scrolled = bar->value();
    ASSERT_GT(scrolled, 0);

    // Keep on the first: the same rows stay, and the focus goes to the next row's Keep.
    auto* keep = named<QPushButton>(*rows[0], u"keep"_s);
    EXPECT_TRUE(keep->accessibleName().endsWith(u" for "_s + rows[0]->change().target.description()));
    keep->setFocus();
    keep->click();
    EXPECT_EQ(view.findChildren<ChangeRow*>(), rows);
    EXPECT_TRUE(named<QLabel>(*rows[0], u"handled"_s));
    EXPECT_EQ(view.focusWidget(), named<QPushButton>(*rows[1], u"keep"_s));
    EXPECT_EQ(bar->value(), scrolled);

    // Unpinning leaves the focus on the pinned list, not on the next "Stop watching".
    auto* unpin = view.findChildren<QToolButton*>(u"unpin"_s).value(1);
    ASSERT_TRUE(unpin);
    EXPECT_EQ(unpin->accessibleName(), u"Stop watching .pdf"_s);
    unpin->setFocus();
    unpin->click();
    EXPECT_EQ(view.focusWidget(), named<QWidget>(view, u"pinned"_s));
    EXPECT_EQ(view.findChildren<QToolButton*>(u"unpin"_s).size(), 2);

    auto* clear = named<QPushButton>(view, u"clearHistory"_s);
    clear->setFocus();
    clear->click();
    EXPECT_EQ(view.focusWidget(), named<QWidget>(view, u"changes"_s));
    EXPECT_EQ(shown->closed.size(), 3); // each change's notification goes with it
}

} // namespace
