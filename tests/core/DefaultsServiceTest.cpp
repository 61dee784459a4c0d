// SPDX-License-Identifier: GPL-3.0-or-later
#include "DefaultsService.h"
#include "FakeLaunchServices.h"
#include "Printers.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace openwright;
using namespace openwright::test;
using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace {

const Target pdf = Target::fileExtension(u"pdf"_s);

class DefaultsServiceTest : public ::testing::Test
{
protected:
    std::shared_ptr<FakeLaunchServices> fake = std::make_shared<FakeLaunchServices>();
    QSet<QUrl> deleted;
    DefaultsService service {fake, [this](const QUrl& url) { return !deleted.contains(url); }};

    ChangeResult changeTo(const AppInfo& app, const Target& target = pdf) { return service.change({target, app.url}); }
    QStringList names(const TargetState& s)
    {
        QStringList list;
        for (const AppInfo& a : s.candidates)
            list.append(a.name);
        return list;
    }
};

TEST_F(DefaultsServiceTest, CandidatesDeduplicatedThenSortedStably)
{
    const AppInfo zed = fake->addApp(u"zed"_s, u"org.zed"_s);
    const AppInfo zedElsewhere = fake->addApp({QUrl::fromLocalFile(u"/other/zed.desktop"_s), u"org.zed"_s, u"Zed"_s});
    const AppInfo apple = fake->addApp(u"apple"_s);
    const AppInfo appleUpper = fake->addApp(u"APPLE"_s);
    const AppInfo anon = fake->addApp(u"Écrit"_s);
    fake->setCandidateUrls(pdf, {zed.url, appleUpper.url, zedElsewhere.url, apple.url, anon.url, apple.url});
    fake->setDefault(pdf, std::nullopt);

    const TargetState s = service.state(pdf);
    // Same identity at two paths once, at the first report; the same path twice once; names
    // that differ only in case keep the platform's order; accents sort with their letter.
    EXPECT_EQ(names(s), (QStringList {u"APPLE"_s, u"apple"_s, u"Écrit"_s, u"zed"_s}));
    EXPECT_FALSE(s.current.has_value());
}

TEST_F(DefaultsServiceTest, CurrentNeedNotBeACandidate)
{
    const AppInfo a = fake->addApp(u"a"_s, u"org.a"_s);
    fake->setDefault(pdf, a);
    const TargetState s = service.state(pdf);
    EXPECT_EQ(s.current, a);
    EXPECT_TRUE(s.candidates.isEmpty());

    fake->setUnknown(Target::fileExtension(u"zzz"_s));
    EXPECT_EQ(service.state(Target::fileExtension(u"zzz"_s)),
              (TargetState {Target::fileExtension(u"zzz"_s), std::nullopt, {}}));
}

TEST_F(DefaultsServiceTest, ChangeOutcomes)
{
    const AppInfo a = fake->addApp(u"a"_s, u"org.a"_s);
    const AppInfo b = fake->addApp(u"b"_s, u"org.b"_s);
    fake->setDefault(pdf, a);

    EXPECT_EQ(changeTo(b), ChangeResult::changed());
    EXPECT_EQ(service.currentDefault(pdf), b);
    EXPECT_EQ(fake->setCalls(), 1);

    // Already the default, even at another path: the platform is not asked.
    const AppInfo bElsewhere {QUrl::fromLocalFile(u"/apps/b-copy.desktop"_s), u"org.b"_s, u"b"_s};
    fake->addApp(u"b-copy"_s, u"org.b"_s);
    EXPECT_EQ(service.change({pdf, bElsewhere.url}), ChangeResult::alreadyDefault());
    EXPECT_EQ(fake->setCalls(), 1);

    // Missing before the call: the platform is not asked.
    deleted.insert(a.url);
    EXPECT_EQ(changeTo(a), ChangeResult::appMissing());
    EXPECT_EQ(fake->setCalls(), 1);
    deleted.clear();

    // Accepted, but the default did not move.
    fake->setSticky(pdf);
    EXPECT_EQ(changeTo(a), ChangeResult::declined());
    EXPECT_EQ(service.currentDefault(pdf), b);
}

TEST_F(DefaultsServiceTest, ErrorsAreClassifiedAfterTheReRead)
{
    const AppInfo a = fake->addApp(u"a"_s, u"org.a"_s);
    const AppInfo b = fake->addApp(u"b"_s, u"org.b"_s);
    const Target mailto = Target::scheme(u"mailto"_s);
    fake->setDefault(pdf, a);
    fake->setDefault(mailto, a);

    fake->setError(pdf, LaunchError::platform(u"g-io-error-quark"_s, 14, u"Disk on fire"_s));
    EXPECT_EQ(changeTo(b), ChangeResult::failed(u"Disk on fire"_s));
    // An error after the change took effect anyway is a success.
    fake->setError(mailto, LaunchError::platform(u"x"_s, 1, u"late"_s), true);
    EXPECT_EQ(changeTo(b, mailto), ChangeResult::changed());

    const Target zzz = Target::fileExtension(u"zzz"_s);
    fake->setUnknown(zzz);
    EXPECT_EQ(changeTo(b, zzz), ChangeResult::failed(u"The system doesn't recognise .zzz files"_s));
}

TEST(DefaultsServiceClassify, Table)
{
    const AppInfo wanted {QUrl::fromLocalFile(u"/a.desktop"_s), u"org.a"_s, u"A"_s};
    const AppInfo other {QUrl::fromLocalFile(u"/b.desktop"_s), u"org.b"_s, u"B"_s};
    const auto cocoa = [](int code) { return LaunchError::platform(u"NSCocoaErrorDomain"_s, code, u"cocoa"_s); };
    EXPECT_EQ(DefaultsService::classify(cocoa(4), wanted, wanted), ChangeResult::changed());
    EXPECT_EQ(DefaultsService::classify(cocoa(4), other, wanted), ChangeResult::appMissing());
    EXPECT_EQ(DefaultsService::classify(cocoa(260), std::nullopt, wanted), ChangeResult::appMissing());
    EXPECT_EQ(DefaultsService::classify(cocoa(256), other, wanted), ChangeResult::declined());
    EXPECT_EQ(DefaultsService::classify(cocoa(3), other, wanted), ChangeResult::failed(u"cocoa"_s));
    EXPECT_EQ(DefaultsService::classify(LaunchError::platform(u"d"_s, 4, u"m"_s, LaunchError::Meaning::appMissing),
                                        other, wanted),
              ChangeResult::appMissing());
    EXPECT_EQ(DefaultsService::classify(LaunchError::platform(u"d"_s, 2, u"m"_s, LaunchError::Meaning::refused), other,
                                        wanted),
              ChangeResult::declined());
    EXPECT_EQ(DefaultsService::classify(LaunchError::platform(u"d"_s, 4, u"m"_s), other, wanted),
              ChangeResult::failed(u"m"_s));
}

TEST_F(DefaultsServiceTest, BatchRunsAtOnceAndCollapsesDuplicates)
{
    QList<ChangeRequest> batch;
    const AppInfo app = fake->addApp(u"app"_s, u"org.app"_s);
    for (int i = 0; i < 12; ++i)
        batch.append({Target::scheme(u"s"_s + QString::number(i)), app.url});
    batch.append(batch.first());
    fake->setChangeDelay(500ms);

    const auto results = service.apply(batch).result();
    EXPECT_EQ(results.size(), 12);
    for (const auto& r : results)
        EXPECT_EQ(r, ChangeResult::changed());
    // Every request was in flight at the same time, not one after another.
    EXPECT_GE(fake->maxInFlight(), 12);

    EXPECT_TRUE(service.apply({}).result().isEmpty());
}

TEST_F(DefaultsServiceTest, ApplyNeverBlocksTheCaller)
{
    const AppInfo app = fake->addApp(u"app"_s, u"org.app"_s);
    fake->setChangeDelay(2s);
    QElapsedTimer timer;
    timer.start();
    auto future = service.apply({{pdf, app.url}});
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(future.result().value({pdf, app.url}, ChangeResult::failed({})), ChangeResult::changed());
}

} // namespace
