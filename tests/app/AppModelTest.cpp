// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppModel.h"
#include "BackupHistory.h"
#include "FakeLaunchServices.h"
#include "ModelFixture.h"
#include "Presets.h"
#include "Printers.h"
#include "ProfileExport.h"
#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace openwright;
using namespace openwright::test;
using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace {

class AppModelTest : public ModelFixture
{
protected:
    QList<Profile> backupsWith(BackupReason::Case reason) const
    {
        QList<Profile> list;
        for (const Profile& b : model->backups()) {
            if (b.backupReason && b.backupReason->kind() == reason)
                list.append(b);
        }
        return list;
    }
};

TEST_F(AppModelTest, TakeoversAreLoggedAndPinnedOnesAnnounced)
{
    make();
    refresh();
    EXPECT_EQ(model->states().size(), 65);
    EXPECT_TRUE(model->guardState().history.isEmpty());
    model->togglePin(pdf);

    fake->setDefault(pdf, okular);
    check();
    ASSERT_EQ(model->unresolvedChanges().size(), 1);
    ASSERT_EQ(shown->shown.size(), 1);
    EXPECT_EQ(shown->shown[0].title, u".pdf default changed"_s);
    EXPECT_EQ(shown->shown[0].body, u"Okular replaced Evince. Revert to keep Evince."_s);
    EXPECT_EQ(shown->shown[0].changeID, uuidText(model->unresolvedChanges()[0].id));
    EXPECT_EQ(model->states().value(pdf).current, okular); // the list shows the new handler
    check();
    EXPECT_EQ(model->guardState().history.size(), 1);

    // Not pinned: logged, not announced. Guard off: logged, not announced.
    fake->setDefault(mailto, evince);
    check();
    EXPECT_EQ(model->guardState().history.size(), 2);
    model->setGuardEnabled(false);
    fake->setDefault(pdf, thunderbird);
    check();
    EXPECT_EQ(model->guardState().history.size(), 3);
    EXPECT_EQ(shown->shown.size(), 1);
}

// KDE programs starting another app than a pinned type's default is a takeover, though the
// default stayed; its Revert writes the default explicitly, which settles KDE too.
TEST_F(AppModelTest, ANewDisagreementOnAPinnedTypeIsATakeover)
{
    make();
    refresh();
    model->togglePin(pdf);
    check();
    fake->setKdeOpens(pdf, okular.url);
    fake->setKdeOpens(mailto, okular.url); // not pinned: the row shows it, the guard does not
    check();
    ASSERT_EQ(model->unresolvedChanges().size(), 1);
    const DefaultChange change = model->unresolvedChanges()[0];
    EXPECT_EQ(change.opener, Opener::kde);
    EXPECT_EQ(change.from, evince);
    EXPECT_EQ(model->states().value(pdf).current, evince);
    ASSERT_EQ(shown->shown.size(), 1);
    EXPECT_EQ(shown->shown[0].title, u".pdf opens differently in KDE programs"_s);
    EXPECT_EQ(shown->shown[0].body, u"KDE programs now open it in Okular, not Evince. Revert to make every program open Evince."_s);
    check();
    EXPECT_EQ(model->guardState().history.size(), 1);

    await(model->revert(change.id));
    EXPECT_TRUE(model->unresolvedChanges().isEmpty());
    EXPECT_TRUE(model->states().value(pdf).otherOpeners.isEmpty());
    check();
    EXPECT_EQ(model->guardState().history.size(), 1);
}

TEST_F(AppModelTest, RevertFromTheNotificationBacksUpFirstAndResolves)
{
    make();
    refresh();
    model->togglePin(pdf);
    fake->setDefault(pdf, okular);
    check();
    const QUuid id = model->unresolvedChanges().value(0).id;

    shown->answer(u"revert"_s, uuidText(id));
    settle(*model);
    EXPECT_EQ(service->currentDefault(pdf), evince);
    EXPECT_TRUE(model->unresolvedChanges().isEmpty());
    EXPECT_EQ(model->results().value(pdf, ChangeResult::failed({})), ChangeResult::changed());
    const auto before = backupsWith(BackupReason::Case::beforeRevert);
    ASSERT_EQ(before.size(), 1);
    EXPECT_EQ(before[0].backupReason->title(), u"Before reverting .pdf"_s);
    // Taken before the platform was asked: it holds the takeover's application.
    const auto pdfEntry = std::find_if(before[0].entries.cbegin(), before[0].entries.cend(),
                                       [](const ProfileEntry& e) { return e.target == pdf; });
    ASSERT_NE(pdfEntry, before[0].entries.cend());
    EXPECT_EQ(pdfEntry->bundleID, u"org.kde.okular"_s);
    // Our own change is not a takeover.
    check();
    EXPECT_EQ(model->guardState().history.size(), 1);

    // Reverting to what is already back resolves too; an unknown id does nothing.
    fake->setDefault(pdf, okular);
    check();
    const QUuid second = model->unresolvedChanges().value(0).id;
    fake->setDefault(pdf, evince);
    await(model->revert(second));
    EXPECT_EQ(model->results().value(pdf, ChangeResult::failed({})), ChangeResult::alreadyDefault());
    EXPECT_TRUE(model->unresolvedChanges().isEmpty());
    const int calls = fake->setCalls();
    await(model->revert(QUuid::createUuid()));
    EXPECT_EQ(fake->setCalls(), calls);

    // Two programs take the type before the person answers: only the newest row is open, and its
    // Revert gives back the person's choice, never the first intruder; a keep resolves a row
    // whose application no longer holds the type.
    fake->setDefault(pdf, okular);
    check();
    const QUuid stale = model->unresolvedChanges().value(0).id;
    fake->setDefault(pdf, thunderbird);
    check();
    ASSERT_EQ(model->unresolvedChanges().size(), 1);
    const DefaultChange newest = model->unresolvedChanges().first();
    EXPECT_EQ(newest.from, evince);
    EXPECT_EQ(newest.to, thunderbird);
    EXPECT_TRUE(shown->closed.contains(uuidText(stale)));
    fake->setDefault(pdf, okular);
    check();
    fake->setDefault(pdf, evince);
    check();
    EXPECT_TRUE(model->unresolvedChanges().isEmpty()) << "a type given back to the choice leaves nothing to revert";
    fake->setDefault(pdf, okular);
    check();
    model->setAlwaysKeep(pdf, true);
    EXPECT_TRUE(model->unresolvedChanges().isEmpty()) << "a keep resolves the open row whose Revert would undo it";
}

// A kept type goes back at once, named after the program that started just before; a backup
// comes first once a day; the third takeover within a minute ends the fight until the person acts.
TEST_F(AppModelTest, KeptTypesArePutBackUntilAWriteWar)
{
    make();
    refresh();
    model->startGuard();
    model->setAlwaysKeep(pdf, true);
    EXPECT_TRUE(model->guardState().pinned.contains(pdf));
    const auto takeover = [&](std::chrono::seconds after) {
        notices->started(u"app-gnome-org.kde.okular-4711.scope"_s);
        clock.setNow(clock.now().addSecs(after.count()));
        fake->setDefault(pdf, okular);
        check();
        return model->guardState().history.first();
    };

    const DefaultChange first = takeover(5s);
    EXPECT_EQ(service->currentDefault(pdf), evince);
    EXPECT_EQ(first.handling, DefaultChange::Handling::putBack);
    EXPECT_TRUE(first.resolved);
    EXPECT_EQ(first.culprit, (Culprit {u"Okular"_s, Culprit::Reason::started, 5}));
    ASSERT_EQ(shown->shown.size(), 1);
    EXPECT_EQ(shown->shown[0].action, u"allow"_s);
    EXPECT_EQ(shown->shown[0].title, u".pdf default put back"_s);
    EXPECT_EQ(shown->shown[0].body,
              u"Okular replaced Evince. Openwright put Evince back. Choose Allow to keep Okular. "
              u"Probably Okular, which started 5 seconds before."_s);
    EXPECT_EQ(backupsWith(BackupReason::Case::beforeRevert).size(), 1);

    const DefaultChange second = takeover(10s);
    EXPECT_EQ(second.handling, DefaultChange::Handling::putBack);
    EXPECT_EQ(service->currentDefault(pdf), evince);
    EXPECT_EQ(backupsWith(BackupReason::Case::beforeRevert).size(), 1); // once a day

    const DefaultChange third = takeover(10s);
    EXPECT_EQ(third.handling, DefaultChange::Handling::stopped);
    EXPECT_FALSE(third.resolved);
    EXPECT_EQ(service->currentDefault(pdf), okular);
    EXPECT_EQ(shown->shown.last().action, u"revert"_s);
    EXPECT_TRUE(shown->shown.last().body.contains(u"stopped putting Evince back"_s));
    EXPECT_TRUE(shown->shown.last().body.endsWith(u"Probably Okular, which started 10 seconds before."_s));

    // The person reverts; later they allow the application after all from a put-back's notification.
    await(model->revert(third.id));
    EXPECT_EQ(service->currentDefault(pdf), evince);
    shown->answer(u"allow"_s, uuidText(second.id));
    settle(*model);
    EXPECT_EQ(service->currentDefault(pdf), okular);
    EXPECT_EQ(model->guardState().history[1].handling, DefaultChange::Handling::allowed);
    EXPECT_TRUE(shown->closed.contains(uuidText(second.id)));
    check();
    EXPECT_EQ(model->guardState().history.size(), 3); // allowing is no takeover

    // Unpinning ends keeping.
    model->togglePin(pdf);
    EXPECT_TRUE(model->guardState().kept.isEmpty());

    // A start names the culprit for a minute, not after.
    for (const auto& [app, after, named] : {std::tuple(evince, 60, true), std::tuple(thunderbird, 61, false)}) {
        notices->started(u"app-gnome-"_s + *app.bundleID + u"-4712.scope"_s);
        clock.setNow(clock.now().addSecs(after));
        fake->setDefault(pdf, app);
        check();
        const DefaultChange& change = model->guardState().history.first();
        EXPECT_EQ(change.to, app);
        EXPECT_EQ(change.culprit,
                  named ? std::optional(Culprit {app.name, Culprit::Reason::started, after}) : std::nullopt)
            << after;
    }
}

// A clean-up that moves a kept type's default is a change of ours: not put back, not logged.
TEST_F(AppModelTest, ACleanUpMovingAKeptDefaultIsNoTakeover)
{
    useDoctorList("[Default Applications]\napplication/x-pdf=okular.desktop;\napplication/pdf=gone.desktop;\n");
    // The system's answer follows the files as they are written.
    doctorPlatform.writing = [&](const std::function<bool()>& write) {
        if (write())
            fake->setDefault(pdf, okular);
    };
    make();
    refresh();
    model->startGuard();
    model->setAlwaysKeep(pdf, true);
    ASSERT_FALSE(model->doctorFindings().isEmpty());

    const CleanUpOutcome outcome = await(model->cleanUp(model->doctorFindings()));
    settle(*model);
    EXPECT_TRUE(outcome.succeeded());
    check();
    EXPECT_EQ(service->currentDefault(pdf), okular);
    EXPECT_EQ(model->states().value(pdf).current, okular);
    EXPECT_TRUE(model->guardState().history.isEmpty());
    EXPECT_TRUE(shown->shown.isEmpty());
}

// A clean-up from the command line, which has read no default yet, still backs up what was set
// before it.
TEST_F(AppModelTest, ACleanUpBeforeAnyReadBacksUpFirst)
{
    useDoctorList("[Default Applications]\napplication/pdf=gone.desktop;okular.desktop;\n");
    doctorPlatform.writing = [&](const std::function<bool()>& write) {
        if (write())
            fake->setDefault(pdf, okular);
    };
    make();
    await(model->examineFiles());
    ASSERT_FALSE(model->doctorFindings().isEmpty());
    ASSERT_TRUE(model->backups().isEmpty());

    const CleanUpOutcome outcome = await(model->cleanUp(model->doctorFindings()));
    settle(*model);
    EXPECT_FALSE(outcome.changedFiles.isEmpty());
    ASSERT_FALSE(model->backups().isEmpty());
    const Profile first = model->backups().last();
    const auto pdfEntry = std::find_if(first.entries.cbegin(), first.entries.cend(),
                                       [](const ProfileEntry& e) { return e.target == pdf; });
    ASSERT_NE(pdfEntry, first.entries.cend());
    EXPECT_NE(pdfEntry->bundleID, u"org.kde.okular"_s);
}

TEST_F(AppModelTest, KeptStatesShowAtOnceWhileTheyHoldAndTheSystemsAnswersReplaceThem)
{
    fake->setAnswersStamp(QByteArray("one"));
    make();
    EXPECT_FALSE(model->showCachedStates()) << "nothing kept yet";
    refresh();

    make(); // the next start, once the last one has kept what it read
    ASSERT_TRUE(model->showCachedStates());
    EXPECT_EQ(model->states().value(pdf).current, evince);
    EXPECT_EQ(model->states().value(pdf).candidates.size(), 2);
    // Answered otherwise now: the refresh replaces the kept state, and counts it. Under the same
    // stamp it asks only the defaults: the kept applications able to open each type stand.
    // A second refresh asked before the first lands (the Refresh button) keeps them too.
    fake->setDefault(mailto, evince);
    fake->setCandidates(pdf, {evince});
    const QFuture<void> first = model->refresh();
    refresh();
    await(first);
    EXPECT_EQ(model->states().value(mailto).current, evince);
    EXPECT_EQ(model->states().value(pdf).candidates.size(), 2);
    EXPECT_EQ(model->cacheDifferences(), 1);
    // Kept states show under the quick stamp. Where only the full one moved (an entry edited in
    // place), the first read reads everything.
    fake->setQuickAnswersStamp(QByteArray("one"));
    fake->setAnswersStamp(QByteArray("one, an entry edited in place"));
    make();
    ASSERT_TRUE(model->showCachedStates());
    EXPECT_EQ(model->states().value(pdf).candidates.size(), 2);
    refresh();
    EXPECT_EQ(model->states().value(pdf).candidates, QList<AppInfo> {evince});
    // A command never trusts the quick stamp: under a full one that moved, it reads.
    fake->setAnswersStamp(QByteArray("one, edited again"));
    make();
    const int reads = fake->readCalls();
    await(model->refreshOrKept());
    EXPECT_GT(fake->readCalls(), reads);
    // A type watched since the start has nothing kept: it is read with its applications.
    make();
    ASSERT_TRUE(model->showCachedStates());
    const Target added = Target::scheme(u"ow-kept"_s);
    fake->setCandidates(added, {okular});
    ASSERT_EQ(model->addCustom(u"ow-kept:"_s), added);
    settle(*model);
    refresh();
    EXPECT_EQ(model->states().value(added).candidates, QList<AppInfo> {okular});

    // Something the answers are made from changed: nothing kept is shown.
    fake->setQuickAnswersStamp(std::nullopt);
    fake->setAnswersStamp(QByteArray("two"));
    make();
    EXPECT_FALSE(model->showCachedStates());
    EXPECT_TRUE(model->states().isEmpty());
}

TEST_F(AppModelTest, ChangesMarkPendingAndMoveTheBaseline)
{
    make();
    refresh();
    fake->setChangeDelay(300ms);
    fake->setMovesBeforeReporting(true);
    auto running = model->change(model->category(pdf), okular);
    EXPECT_TRUE(model->pending().contains(pdf));
    // A check while the batch is in flight sees the new default already, and does not
    // mistake our change for a takeover.
    spinUntil([&] { return service->currentDefault(pdf) == okular; });
    check();
    EXPECT_TRUE(model->guardState().history.isEmpty());
    await(running);
    settle(*model);
    check();
    EXPECT_TRUE(model->pending().isEmpty());
    EXPECT_EQ(model->results().value(pdf, ChangeResult::failed({})), ChangeResult::changed());
    EXPECT_EQ(model->guardState().baseline.value(pdf).app, okular);
    EXPECT_TRUE(model->guardState().history.isEmpty());

    // Two runs of ours asked for at once (two profile applies) each did what it says.
    const AppInfo papers = fake->addApp(u"Papers"_s, u"org.gnome.Papers"_s);
    Profile first, second;
    first.entries = {{pdf, *evince.bundleID, evince.name}};
    second.entries = {{pdf, *papers.bundleID, papers.name}};
    auto one = model->apply(first);
    auto other = model->apply(second);
    EXPECT_EQ(await(one).values(), QList {ChangeResult::changed()});
    EXPECT_EQ(await(other).values(), QList {ChangeResult::changed()});
    EXPECT_EQ(service->currentDefault(pdf), papers);
    await(model->change(model->category(pdf), okular));

    // Declined: the baseline holds the application that stayed.
    fake->setMovesBeforeReporting(false);
    fake->setChangeDelay(0ms);
    fake->setSticky(pdf);
    await(model->change(model->category(pdf), evince));
    EXPECT_EQ(model->results().value(pdf, ChangeResult::failed({})), ChangeResult::declined());
    EXPECT_EQ(model->guardState().baseline.value(pdf).app, okular);
}

// The user's own change is never a takeover: not of the linked targets a browser change moves,
// nor of another watched target of the same type, during the batch or after it.
TEST_F(AppModelTest, OwnChangesOfLinkedAndSharedTypesAreNotTakeovers)
{
    const Target http = Target::scheme(u"http"_s);
    const Target html = Target::fileExtension(u"html"_s);
    const Target htm = Target::fileExtension(u"htm"_s);
    const Target jpg = Target::fileExtension(u"jpg"_s);
    const Target jpeg = Target::fileExtension(u"jpeg"_s);
    const Target c = Target::fileExtension(u"c"_s); // text/x-csrc, no default of its own
    const Target text = Target::mimeType(u"text/plain"_s);
    fake->shareType(htm, html);
    fake->shareType(jpeg, jpg);
    fake->shareType(c, Target::mimeType(u"text/x-csrc"_s));
    fake->setParent(u"text/x-csrc"_s, u"text/plain"_s);
    const AppInfo firefox = fake->addApp(u"Firefox"_s, u"firefox"_s);
    const AppInfo chrome = fake->addApp(u"Chrome"_s, u"com.google.Chrome"_s);
    for (const Target& t : {http, Target::scheme(u"https"_s), html, jpg, text})
        fake->setDefault(t, chrome);
    make();
    refresh();
    for (const QString& custom : {u"html"_s, u"htm"_s, u"jpeg"_s, u"c"_s})
        model->addCustom(custom);
    settle(*model);
    model->togglePin(html);
    model->togglePin(jpeg);
    model->togglePin(c);

    fake->setChangeDelay(200ms);
    fake->setMovesBeforeReporting(true);
    auto running = model->change(model->category(http), firefox);
    spinUntil([&] { return service->currentDefault(html) == firefox; });
    check(); // while the batch is in flight
    await(running);
    settle(*model);
    for (const Target& t : {html, htm})
        EXPECT_EQ(model->states().value(t).current, firefox) << t.id().toStdString();
    EXPECT_EQ(model->guardState().baseline.value(Target::scheme(u"https"_s)).app, firefox);

    fake->setChangeDelay(0ms);
    await(model->change(model->category(jpg), firefox));
    settle(*model);
    EXPECT_EQ(model->states().value(jpeg).current, firefox);
    // A subtype follows its parent's change.
    await(model->change({{text, firefox.url}}));
    settle(*model);
    EXPECT_EQ(model->states().value(c).current, firefox);
    check();
    EXPECT_TRUE(model->guardState().history.isEmpty());
    EXPECT_TRUE(shown->shown.isEmpty());
}

// A restore that moves the browser keeps an entry of its own for a linked type: .html stays
// where the backup has it, and the line that says so is true after the run.
TEST_F(AppModelTest, ARunKeepsItsOwnEntryForALinkedType)
{
    const Target http = Target::scheme(u"http"_s), https = Target::scheme(u"https"_s);
    const Target html = Target::fileExtension(u"html"_s);
    const AppInfo firefox = fake->addApp(u"Firefox"_s, u"firefox"_s);
    const AppInfo chromium = fake->addApp(u"Chromium"_s, u"chromium"_s);
    for (const Target& t : {http, https, html})
        fake->setDefault(t, chromium);
    make();
    refresh();
    Profile backup = Profile::snapshot(u"Before"_s, Profile::Kind::snapshot, BackupReason::manual(), clock.now(), {});
    backup.entries = {{http, u"firefox"_s, u"Firefox"_s}, {html, u"chromium"_s, u"Chromium"_s}};
    const QList<PlanStep> plan = model->plan(backup);
    ASSERT_EQ(plan.value(1).kind, PlanStep::Case::alreadySet);
    const auto results = await(model->apply(backup));
    EXPECT_EQ(results.value({http, firefox.url}, ChangeResult::failed({})), ChangeResult::changed());
    EXPECT_EQ(results.value({html, chromium.url}, ChangeResult::failed({})), ChangeResult::alreadyDefault());
    EXPECT_EQ(service->currentDefault(https), firefox);
    EXPECT_EQ(service->currentDefault(html), chromium);
}

// A refresh whose reads began before one of our own changes landed keeps the newer state.
TEST_F(AppModelTest, ASlowRefreshNeverUndoesANewerChange)
{
    make();
    refresh();
    fake->setReadDelay(3ms); // the refresh reads .pdf early and finishes long after the change
    const int reads = fake->readCalls();
    auto refreshing = model->refresh();
    spinUntil([&] { return fake->readCalls() > reads + 20; });
    await(model->change(model->category(pdf), okular));
    EXPECT_FALSE(refreshing.isFinished());
    await(refreshing);
    settle(*model);
    EXPECT_EQ(model->states().value(pdf).current, okular);
    EXPECT_TRUE(model->guardState().history.isEmpty());
}

// A command's read before its change: every watched default afresh, so the guard sees what
// another program did, but the applications able to open a type only for the changed one.
TEST_F(AppModelTest, AChangesReadAsksForCandidatesOnlyOfWhatItChanges)
{
    const AppInfo atril = fake->addApp(u"Atril"_s, u"org.mate.atril"_s);
    const Target png = Target::fileExtension(u"png"_s);
    make();
    refresh();
    model->togglePin(mailto);
    fake->setCandidates(pdf, {evince, okular, atril});
    fake->setCandidates(png, {atril});
    fake->setDefault(mailto, atril);
    await(model->refreshFor({pdf}));
    settle(*model);
    EXPECT_EQ(model->states().value(pdf).candidates.size(), 3);
    EXPECT_TRUE(model->states().value(png).candidates.isEmpty()) << "kept from the last full read";
    EXPECT_EQ(model->states().value(mailto).current, atril);
    ASSERT_EQ(model->guardState().history.size(), 1);
    EXPECT_EQ(model->guardState().history.first().to, atril);
}

TEST_F(AppModelTest, OverlappingRefreshesNeverHoldUpTheGuiThread)
{
    make();
    fake->setReadDelay(2ms);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(5);
    auto first = model->refresh();
    auto second = model->refresh();
    auto checking = model->checkGuard();
    EXPECT_TRUE(model->isLoading());
    EXPECT_TRUE(model->states().isEmpty()); // nothing was read on this thread
    await(first);
    EXPECT_FALSE(model->isLoading()); // the first to finish ends loading
    await(second);
    await(checking);
    settle(*model);
    EXPECT_GT(ticks, 10); // the event loop kept running throughout
    EXPECT_EQ(model->states().size(), 65);
    EXPECT_TRUE(model->guardState().history.isEmpty());
}

// Hidden, a check has observed by the time it returns: no reader thread, no event to wait for.
TEST_F(AppModelTest, InTheBackgroundACheckReadsWhereItIsAsked)
{
    make();
    refresh();
    model->setInBackground(true);
    fake->setDefault(pdf, okular);
    const auto checking = model->checkGuard();
    ASSERT_EQ(model->guardState().history.size(), 1);
    EXPECT_EQ(model->states().value(pdf).current, okular);
    await(checking); // naming the list behind it still happens off this thread
}

// A quit during a change: the model and, with it, the last reference to the service go while
// the platform is still answering. Nothing may wait for itself or touch what is gone.
TEST_F(AppModelTest, AModelGoneBeforeThePlatformAnswers)
{
    make();
    refresh();
    fake->setChangeDelay(100ms);
    auto change = model->change(model->category(pdf), okular);
    auto checking = model->checkGuard();
    service.reset();
    model.reset();
    spinUntil([&] { return change.isFinished() && checking.isFinished(); });
    EXPECT_TRUE(change.isCanceled());
    EXPECT_EQ(fake->defaultApp(pdf), okular.url); // the change itself completed
}

TEST_F(AppModelTest, GuardLoopTiming)
{
    make();
    refresh();
    model->startGuard();
    model->startGuard();
    EXPECT_EQ(noticesMade, 1);
    EXPECT_EQ(notices->starts, 1);
    EXPECT_EQ(clock.nextDueIn(), 60'000); // the first check one interval later

    model->setGuardInterval(5);
    EXPECT_EQ(model->guardInterval(), 5);
    EXPECT_EQ(clock.nextDueIn(), 15'000);
    model->setGuardInterval(30);
    int reads = fake->readCalls();
    advance(29s);
    EXPECT_EQ(fake->readCalls(), reads);
    advance(1s);
    EXPECT_GT(fake->readCalls(), reads);
    EXPECT_EQ(clock.nextDueIn(), 30'000);

    // Off: no periodic checks, but a launch still leads to one, 3 s later.
    model->setGuardEnabled(false);
    EXPECT_EQ(clock.scheduled(), 0);
    notices->launchOrQuit();
    EXPECT_EQ(clock.nextDueIn(), 3'000);
    reads = fake->readCalls();
    advance(3s);
    EXPECT_GT(fake->readCalls(), reads);
    EXPECT_EQ(clock.scheduled(), 0);

    // A burst of file notices shares one check.
    notices->filesChanged();
    notices->filesChanged();
    notices->filesChanged();
    EXPECT_EQ(clock.scheduled(), 1);
}

TEST_F(AppModelTest, ADayOfGuardingChecksEveryMinuteAndWritesNothing)
{
    make();
    refresh();
    model->startGuard();
    QFile::remove(dataDir() + u"/guard.json"_s);
    const int before = clock.fired();
    advance(24h);
    EXPECT_EQ(clock.fired() - before, 1440);
    EXPECT_TRUE(model->guardState().history.isEmpty());
    EXPECT_FALSE(QFile::exists(dataDir() + u"/guard.json"_s)); // unchanged checks write no file
}

// The guard names the list whose line now decides, when it changed since the last look, also in
// a new process: the look time travels in guard.json.
TEST_F(AppModelTest, AFreshProcessNamesTheListBehindAChange)
{
    make();
    refresh();
    model.reset(); // the window closes

    const auto edited = [&](const QString& name, qint64 secondsFromNow) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(secondsFromNow), QFileDevice::FileModificationTime);
        return file.fileName();
    };
    const QString gnome = edited(u"gnome-mimeapps.list"_s, 5);
    fake->setDefault(pdf, okular);
    fake->setDecidingList(pdf, gnome);
    // The deciding list is older than the look: something else made the change.
    fake->setDefault(mailto, evince);
    fake->setDecidingList(mailto, edited(u"mimeapps.list"_s, -3600));
    // No list line decides: an application installed or removed.
    fake->setDefault(Target::fileExtension(u"png"_s), okular);

    make();
    check();
    QHash<Target, QString> named;
    for (const DefaultChange& c : model->guardState().history)
        named.insert(c.target, c.file);
    EXPECT_EQ(named, (QHash<Target, QString> {{pdf, gnome}, {mailto, {}}, {Target::fileExtension(u"png"_s), {}}}));
}

TEST_F(AppModelTest, DailyBackupOncePerLocalDay)
{
    clock = ManualClock(QDateTime(QDate(2025, 3, 1), QTime(23, 58), QTimeZone("Asia/Tokyo")), QTimeZone("Asia/Tokyo"));
    make();
    refresh();
    ASSERT_EQ(backupsWith(BackupReason::Case::daily).size(), 1);
    refresh();
    check();
    EXPECT_EQ(model->backups().size(), 1);

    // Past local midnight: unchanged defaults are skipped, a changed day is kept.
    advance(3min);
    check();
    EXPECT_EQ(model->backups().size(), 1);
    fake->setDefault(mailto, evince);
    check();
    EXPECT_EQ(backupsWith(BackupReason::Case::daily).size(), 2);
    check();
    EXPECT_EQ(model->backups().size(), 2);
}

TEST_F(AppModelTest, EachRunJudgesTheDailyBackupByTheProfilesFileAsItIsNow)
{
    // Each model is a run of its own, as each command is: the later ones take the backup times
    // kept from an earlier run's read while the file is unchanged.
    for (int run = 0; run < 3; ++run) {
        make();
        refresh();
        EXPECT_EQ(model->backupTimes().size(), 1) << run;
    }
    EXPECT_EQ(model->backups().size(), 1);

    // Another program empties the file: the next run reads it again and takes today's backup.
    JSONStore<QList<Profile>>(u"profiles.json"_s, dataDir()).save({});
    make();
    refresh();
    EXPECT_EQ(backupsWith(BackupReason::Case::daily).size(), 1);

    // The next day nothing has changed: no backup. Once a default changes, it is taken.
    clock.setNow(clock.now().addDays(1));
    for (const bool changed : {false, true}) {
        if (changed)
            fake->setDefault(pdf, okular);
        make();
        refresh();
        EXPECT_EQ(backupsWith(BackupReason::Case::daily).size(), changed ? 2 : 1) << changed;
    }
}

TEST_F(AppModelTest, ManualBackupThatDayPreventsTheDaily)
{
    make();
    model->backUpNow(); // before any refresh: an empty backup, still kept
    ASSERT_EQ(model->backups().size(), 1);
    EXPECT_TRUE(model->backups()[0].entries.isEmpty());
    refresh();
    EXPECT_EQ(model->backups().size(), 1);
    model->backUpNow();
    model->backUpNow(); // manual backups are kept even when unchanged
    EXPECT_EQ(model->backups().size(), 3);
    EXPECT_TRUE(model->backups()[0].name.startsWith(u"Mar 1, 2025 at 9:30"_s))
        << model->backups()[0].name.toStdString();

    // A change by the person backs up first, twice within one second too: the newest of that
    // second comes first, and it holds what the second change replaced.
    await(model->change({{pdf, okular.url}}));
    await(model->change({{pdf, evince.url}}));
    const QList<ProfileEntry> newest = model->backups()[0].entries;
    const auto held
        = std::find_if(newest.cbegin(), newest.cend(), [](const ProfileEntry& e) { return e.target == pdf; });
    ASSERT_NE(held, newest.cend());
    EXPECT_EQ(held->bundleID, u"org.kde.okular"_s);
}

TEST_F(AppModelTest, AutomaticBackupsArePrunedWhenOneIsAdded)
{
    QList<Profile> stored;
    const QDateTime now = clock.now();
    const auto backup = [](QDateTime at, BackupReason reason, const char* app) {
        return Profile {newIdentifier(),
                        u"b"_s,
                        u"1 defaults"_s,
                        u"clock.arrow.circlepath"_s,
                        Profile::Kind::snapshot,
                        at,
                        {{pdf, QString::fromLatin1(app), u"A"_s}},
                        reason};
    };
    stored.append(backup(now.addDays(-400), BackupReason::manual(), "old"));
    stored.append(backup(now.addDays(-31), BackupReason::daily(), "expired"));
    for (int i = 1; i <= 100; ++i)
        stored.append(backup(now.addDays(-1).addSecs(-i * 3600), BackupReason::beforeProfile(u"p"_s), "x"));
    JSONStore<QList<Profile>>(u"profiles.json"_s, dataDir()).save(stored);

    make();
    refresh(); // today's daily backup is due and differs from the latest
    const QList<Profile> kept = model->backups();
    EXPECT_EQ(kept.size(), 101); // 100 automatic, the newest first, and the manual one
    EXPECT_EQ(kept.first().backupReason, BackupReason::daily());
    EXPECT_EQ(kept.last().entries[0].bundleID, u"old"_s);
    const auto reloaded = JSONStore<QList<Profile>>(u"profiles.json"_s, dataDir()).load();
    ASSERT_TRUE(reloaded);
    EXPECT_EQ(reloaded->size(), 101);
}

TEST_F(AppModelTest, ProfilesApplyRestoreAndImport)
{
    make();
    refresh();
    EXPECT_EQ(model->backups().size(), 1); // the daily one
    // Nothing installed for a preset: nothing to do, so no backup, though one would be new now.
    fake->setDefault(mailto, okular);
    check();
    EXPECT_TRUE(await(model->apply(Presets::all()[3])).isEmpty());
    EXPECT_EQ(model->backups().size(), 1);

    fake->addApp(u"VLC"_s, u"org.videolan.vlc"_s);
    fake->setDefault(pdf, okular); // unchanged defaults would not be backed up again
    check();
    const auto results = await(model->apply(Presets::all()[2]));
    EXPECT_EQ(results.size(), 5);
    EXPECT_EQ(backupsWith(BackupReason::Case::beforeProfile).value(0).backupReason,
              BackupReason::beforeProfile(u"Media & Creator"_s));

    const Profile daily = backupsWith(BackupReason::Case::daily).value(0);
    await(model->apply(daily));
    EXPECT_EQ(service->currentDefault(pdf), evince);
    EXPECT_EQ(backupsWith(BackupReason::Case::beforeRestore).value(0).backupReason,
              BackupReason::beforeRestore(daily.name));

    model->saveCurrentAsProfile(u"Mine"_s);
    const Profile mine = model->profiles().last();
    EXPECT_EQ(mine.kind, Profile::Kind::custom);
    EXPECT_TRUE(mine.summary.startsWith(u"Mar 1, 2025 \u00B7 "_s)) << mine.summary.toStdString();
    EXPECT_TRUE(mine.summary.endsWith(u" defaults"_s));
    EXPECT_EQ(model->profiles().size(), 5);

    Profile renamed = mine;
    renamed.name = u"Mine too"_s;
    const QByteArray file = ProfileExport({mine, renamed}).encoded();
    const AppModel::ProfileImport first = model->importProfiles(file);
    EXPECT_EQ(first.added, 1);
    EXPECT_EQ(first.alreadyThere, QStringList {u"Mine"_s});
    EXPECT_EQ(model->importProfiles(file).added, 0);
    EXPECT_EQ(model->profiles().size(), 6);
    EXPECT_NE(model->profiles()[5].id, renamed.id);
    EXPECT_THROW(model->importProfiles("[]"), DecodeError);
    EXPECT_EQ(model->profiles().size(), 6);
    model->deleteProfile(mine);
    EXPECT_EQ(model->profiles().size(), 5);
    EXPECT_TRUE(model->putBackProfile(mine, 0));
    EXPECT_EQ(model->userProfiles().first().id, mine.id);
    model->deleteProfile(mine);
    EXPECT_EQ(model->profiles().size(), 5);

    model->setAutoBackupEnabled(false);
    const qsizetype backups = model->backups().size();
    fake->setDefault(pdf, okular);
    check();
    await(model->apply(daily));
    EXPECT_EQ(model->backups().size(), backups);
}

TEST_F(AppModelTest, CustomTypes)
{
    make();
    refresh();
    const Target nfo = Target::fileExtension(u"nfo"_s);
    model->togglePin(nfo);
    EXPECT_EQ(model->addCustom(u".NFO"_s), nfo);
    EXPECT_EQ(model->addCustom(u"nfo"_s), nfo);
    EXPECT_EQ(model->addCustom(u"pdf"_s), pdf);
    EXPECT_EQ(model->customTargets(), QList<Target> {nfo});
    settle(*model);
    EXPECT_TRUE(model->states().contains(nfo));
    EXPECT_EQ(model->categories().size(), 66);
    EXPECT_EQ(model->categories(CategoryGroup::custom).size(), 1);
    const HealthReport health = model->health();
    EXPECT_EQ(health.total, 65); // added types are not scored

    model->removeCustom(nfo);
    EXPECT_TRUE(model->guardState().pinned.contains(nfo));

    QFile::remove(dataDir() + u"/custom-types.json"_s);
    EXPECT_FALSE(model->addCustom(u"tar.gz"_s));
    EXPECT_FALSE(QFile::exists(dataDir() + u"/custom-types.json"_s));
}

// Every operation that changes a data file saves it: read back by a fresh store, not from the
// model's memory.
struct SaveRow
{
    const char* name;
    std::function<void(AppModel&)> act;
    std::function<void(const QString& dataDir)> verify;
};

class DataFiles : public AppModelTest, public ::testing::WithParamInterface<SaveRow>
{
};

TEST_P(DataFiles, AreSavedByEveryOperationThatChangesThem)
{
    make();
    refresh();
    model->addCustom(u"nfo"_s);
    model->saveCurrentAsProfile(u"Mine"_s);
    model->togglePin(pdf);
    fake->setDefault(pdf, okular);
    check();
    GetParam().act(*model);
    settle(*model);
    GetParam().verify(dataDir());
}

QList<Target> storedTypes(const QString& dir)
{
    return JSONStore<QList<Target>>(u"custom-types.json"_s, dir).load().value_or(QList<Target> {});
}
QList<Profile> storedProfiles(const QString& dir)
{
    return JSONStore<QList<Profile>>(u"profiles.json"_s, dir).load().value_or(QList<Profile> {});
}
GuardState storedGuard(const QString& dir)
{
    return JSONStore<GuardState>(u"guard.json"_s, dir).load().value_or(GuardState {});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DataFiles,
    ::testing::Values(
        SaveRow {"AddCustom", [](AppModel& m) { m.addCustom(u"diz"_s); },
                 [](const QString& d) { EXPECT_EQ(storedTypes(d).size(), 2); }},
        SaveRow {"RemoveCustom", [](AppModel& m) { m.removeCustom(Target::fileExtension(u"nfo"_s)); },
                 [](const QString& d) { EXPECT_TRUE(storedTypes(d).isEmpty()); }},
        SaveRow {"DeleteProfile", [](AppModel& m) { m.deleteProfile(m.profiles().last()); },
                 [](const QString& d) { EXPECT_EQ(storedProfiles(d).size(), 1); }},
        SaveRow {"DeleteBackup", [](AppModel& m) { m.deleteProfile(m.backups().first()); },
                 [](const QString& d) { EXPECT_EQ(storedProfiles(d).size(), 1); }},
        SaveRow {"ChangeMovesTheBaseline",
                 [](AppModel& m) { m.change(m.category(pdf), m.states().value(pdf).candidates.value(0)); },
                 [](const QString& d) { EXPECT_EQ(storedGuard(d).baseline.value(pdf).app->name, u"Evince"_s); }},
        SaveRow {"Unpin", [](AppModel& m) { m.togglePin(pdf); },
                 [](const QString& d) { EXPECT_TRUE(storedGuard(d).pinned.isEmpty()); }},
        SaveRow {"Keep", [](AppModel& m) { m.markResolved(m.unresolvedChanges().value(0).id); },
                 [](const QString& d) { EXPECT_TRUE(storedGuard(d).history.value(0).resolved); }},
        SaveRow {"Clear", [](AppModel& m) { m.clearHistory(); },
                 [](const QString& d) { EXPECT_TRUE(storedGuard(d).history.isEmpty()); }}),
    [](const auto& info) { return std::string(info.param.name); });

// What Openwright could not read back is never stored: such an import changes nothing.
TEST_F(AppModelTest, AnImportTooLargeToStoreIsRefused)
{
    make();
    refresh();
    Profile huge = Presets::all()[0];
    huge.name = QString(Json::kMaxDocumentBytes / 4, u'/'); // each "/" is stored as two characters
    EXPECT_EQ(model->importProfiles(ProfileExport({huge}).encoded()).added, 1); // half the limit: fits once, not twice
    huge.name[0] = u'-';
    const qsizetype before = model->userProfiles().size();
    try {
        model->importProfiles(ProfileExport({huge}).encoded());
        FAIL() << "imported";
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains(u"Nothing was imported"_s));
    }
    EXPECT_EQ(model->userProfiles().size(), before);
    EXPECT_EQ(storedProfiles(dataDir()).size(), before);
}

TEST_F(AppModelTest, SearchAndInspector)
{
    make();
    refresh();
    const auto ids = [&](const QString& text) {
        model->setSearchText(text);
        QStringList list;
        for (const FileCategory& c : model->searchResults())
            list.append(c.id);
        return list;
    };
    EXPECT_TRUE(ids(u"   "_s).isEmpty());
    EXPECT_EQ(ids(u" PDF\t"_s), QStringList {u"pdf"_s});
    EXPECT_EQ(ids(u"mailto"_s), QStringList {u"email"_s});
    EXPECT_EQ(ids(u".md"_s), QStringList {u"markdown"_s});
    EXPECT_EQ(ids(u"md:"_s), QStringList {u"markdown"_s});
    EXPECT_EQ(ids(u"evince"_s), QStringList {u"pdf"_s}); // by the current application's name
    EXPECT_TRUE(ids(u"."_s).contains(u"doc"_s)); // "classic Word .doc files"

    await(model->inspect(QUrl::fromLocalFile(u"/tmp/notes.TXT"_s)));
    EXPECT_EQ(model->inspected(), Target::fileExtension(u"txt"_s));
    await(model->inspect(QUrl::fromLocalFile(u"/tmp/README"_s)));
    await(model->inspect(QUrl::fromLocalFile(u"/home/u/.bashrc"_s))); // hidden, not an extension
    EXPECT_EQ(model->inspected(), Target::fileExtension(u"txt"_s));
    // By the type the system gives the file's contents, as `status FILE` says: by the
    // extension only where that is the same type.
    fake->setFileType(QUrl::fromLocalFile(u"/tmp/data.frobnicate"_s), u"text/plain"_s);
    await(model->inspect(QUrl::fromLocalFile(u"/tmp/data.frobnicate"_s)));
    EXPECT_EQ(model->inspected(), Target::mimeType(u"text/plain"_s));
    fake->setFileType(QUrl::fromLocalFile(u"/tmp/Makefile"_s), u"text/x-makefile"_s);
    await(model->inspect(QUrl::fromLocalFile(u"/tmp/Makefile"_s)));
    EXPECT_EQ(model->inspected(), Target::mimeType(u"text/x-makefile"_s));
    await(model->inspect(QUrl::fromLocalFile(u"/tmp/a.weird"_s)));
    EXPECT_TRUE(model->states().contains(Target::fileExtension(u"weird"_s)));
    EXPECT_EQ(model->category(Target::fileExtension(u"weird"_s)).id, u"custom:.weird"_s);
}

// Settings as another process left them: numbers stored as text count, Booleans other than
// "true" and "false" count as missing. Each read is from a file this process never cached.
TEST_F(AppModelTest, SettingsReadAsAFreshProcessWould)
{
    int files = 0;
    const auto fresh = [&](const QByteArray& text) {
        const QString path = dir.filePath(u"fresh-%1.conf"_s.arg(++files));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        return std::make_unique<Settings>(path);
    };
    const auto odd = fresh("[General]\nguard.enabled=0\nguard.interval=45\nbackup.auto=yes\n");
    EXPECT_TRUE(odd->value(Settings::guardEnabled));
    EXPECT_EQ(odd->value(Settings::guardInterval), 45);
    EXPECT_TRUE(odd->value(Settings::autoBackup));
    EXPECT_EQ(fresh("[General]\nguard.interval=soon\n")->value(Settings::guardInterval), 60);

    make();
    model->setGuardEnabled(false);
    model->setGuardInterval(300);
    model->setAutoBackupEnabled(false);
    QFile written(settingsPath());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const auto reread = fresh(written.readAll());
    EXPECT_FALSE(reread->value(Settings::guardEnabled));
    EXPECT_EQ(reread->value(Settings::guardInterval), 300);
    EXPECT_FALSE(reread->value(Settings::autoBackup));
}

TEST_F(AppModelTest, AnUnwritableDataFolderFailsQuietlyUntilItHeals)
{
    QFile blocker(dir.filePath(u"blocker"_s));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString data = dir.filePath(u"blocker/data"_s);
    make(data);
    refresh();
    model->togglePin(pdf);
    EXPECT_TRUE(model->guardState().pinned.contains(pdf));
    ASSERT_TRUE(QFile::remove(dir.filePath(u"blocker"_s)));
    model->togglePin(mailto);
    const auto stored = JSONStore<GuardState>(u"guard.json"_s, data).load();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->pinned.size(), 2);
}

TEST_F(AppModelTest, AGuardFileNamingAppsThatAreGone)
{
    GuardState old;
    const AppInfo gone {QUrl::fromLocalFile(u"/apps/Gone.desktop"_s), u"gone"_s, u"Gone"_s};
    deleted.insert(gone.url);
    old.baseline.insert(pdf, {gone});
    old.history.append({QUuid::createUuid(), pdf, gone, evince, clock.now().addDays(-1), false, {}, {}, {}});
    JSONStore<GuardState>(u"guard.json"_s, dataDir()).save(old);
    make();
    refresh(); // evince replaced the application that is gone
    EXPECT_EQ(model->guardState().history.size(), 2);
    ASSERT_EQ(model->unresolvedChanges().size(), 1);
    await(model->revert(model->unresolvedChanges()[0].id));
    EXPECT_EQ(model->results().value(pdf, ChangeResult::failed({})), ChangeResult::appMissing());
    EXPECT_EQ(model->unresolvedChanges().size(), 1);
    EXPECT_EQ(model->health().issues.size(), 63); // only the two known defaults are configured
}

TEST(Notifier, TextsAndRouting)
{
    Notifier n;
    const AppInfo a {QUrl::fromLocalFile(u"/a.desktop"_s), u"a"_s, u"A"_s};
    DefaultChange change {QUuid::createUuid(), pdf, a, std::nullopt, {}, false, {}, {}, {}};
    EXPECT_EQ(Notifier::title(change), u".pdf default changed"_s);
    EXPECT_EQ(Notifier::body(change), u"no app replaced A. Revert to keep A."_s);
    change.from.reset();
    change.to = a;
    EXPECT_EQ(Notifier::body(change), u"A replaced no app. Revert to keep no app."_s);

    QList<QUuid> reverted;
    int opened = 0;
    n.onRevert = [&](const QUuid& id) { reverted.append(id); };
    n.onOpen = [&] { ++opened; };
    n.handleResponse(u"revert"_s, u"not-a-uuid"_s);
    n.handleResponse(u"revert"_s, QString());
    n.handleResponse(u"default"_s, uuidText(change.id));
    EXPECT_EQ(opened, 3);
    EXPECT_TRUE(reverted.isEmpty());
    n.handleResponse(u"revert"_s, uuidText(change.id).toLower());
    EXPECT_EQ(reverted, QList<QUuid> {change.id});
}

} // namespace

namespace {

// A family run sets what the application declares in that family and nothing else: not a type
// of the family it does not declare, not a declared type of another family.
TEST_F(AppModelTest, AFamilyChangeNeverTouchesAnUndeclaredType)
{
    const QString mp4 = u"video/mp4"_s, webm = u"video/webm"_s, ogg = u"video/ogg"_s, mp3 = u"audio/mpeg"_s;
    const AppInfo vlc = fake->addApp(u"VLC"_s, u"org.videolan.vlc"_s);
    const AppInfo totem = fake->addApp(u"Totem"_s, u"org.gnome.Totem"_s);
    fake->setDeclared(vlc, {mp4, webm, mp3, u"not a type"_s});
    fake->setDeclared(totem, {mp4, webm, ogg, mp3});
    const AppInfo firefox = fake->addApp(u"Firefox"_s, u"firefox"_s);
    fake->setDeclared(firefox, {u"x-scheme-handler/http"_s, u"x-scheme-handler/https"_s, u"text/html"_s});
    for (const char* web : {"http", "https"})
        fake->shareType(Target::scheme(QString::fromLatin1(web)),
                        Target::mimeType(u"x-scheme-handler/"_s + QString::fromLatin1(web)));
    for (const char* page : {"html", "htm"})
        fake->shareType(Target::fileExtension(QString::fromLatin1(page)), Target::mimeType(u"text/html"_s));
    for (const QString& type : {mp4, webm, ogg, mp3})
        fake->setDefault(Target::mimeType(type), totem);
    make();
    refresh();
    await(model->readApplications());
    EXPECT_EQ(model->applicationIndex().defaultCount(totem.url), 4);

    const auto profile = model->useFor(vlc.url, TypeFamily::video);
    ASSERT_TRUE(profile);
    QStringList planned;
    for (const ProfileEntry& e : profile->entries)
        planned.append(e.target.id());
    EXPECT_EQ(planned, (QStringList {mp4, webm}));
    await(model->apply(*profile));
    settle(*model);

    EXPECT_EQ(fake->setCalls(), 2);
    for (const QString& type : {mp4, webm})
        EXPECT_EQ(service->currentDefault(Target::mimeType(type)), vlc) << type.toStdString();
    for (const QString& type : {ogg, mp3})
        EXPECT_EQ(service->currentDefault(Target::mimeType(type)), totem) << type.toStdString();
    // The index follows the change without another read.
    const ApplicationIndex& index = model->applicationIndex();
    EXPECT_EQ(index.defaultCount(vlc.url), 2);
    EXPECT_EQ(index.defaultCount(totem.url), 2);
    EXPECT_TRUE(index.isDefault(vlc.url, webm));
    // A browser that declares the web's types but not the bundle's extras (about:, unknown:) is
    // chosen for its own types one by one: nothing it does not declare moves.
    const InstalledApp* fox = model->applicationIndex().app(firefox.url);
    ASSERT_NE(fox, nullptr);
    EXPECT_TRUE(std::any_of(fox->declared.cbegin(), fox->declared.cend(), [](const DeclaredType& d) {
        return d.target == Target::mimeType(u"x-scheme-handler/http"_s);
    }));
    // The backup before the run holds the types no list watches, so it can put them back.
    const QList<Profile> before = backupsWith(BackupReason::Case::beforeProfile);
    ASSERT_EQ(before.size(), 1);
    await(model->apply(before.first()));
    settle(*model);
    EXPECT_EQ(service->currentDefault(Target::mimeType(webm)), totem);
}

} // namespace
