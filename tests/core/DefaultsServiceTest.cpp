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
const Target http = Target::scheme(u"http"_s);
const Target https = Target::scheme(u"https"_s);
const Target html = Target::fileExtension(u"html"_s);
const Target htm = Target::fileExtension(u"htm"_s);

class DefaultsServiceTest : public ::testing::Test
{
protected:
    std::shared_ptr<FakeLaunchServices> fake = std::make_shared<FakeLaunchServices>();
    QSet<QUrl> deleted;
    DefaultsService service {fake, [this](const QUrl& url) { return !deleted.contains(url); }};
    AppInfo a = fake->addApp(u"a"_s, u"org.a"_s);
    AppInfo b = fake->addApp(u"b"_s, u"org.b"_s);

    void SetUp() override { fake->shareType(htm, html); }
    ChangeResult changeTo(const AppInfo& app, const Target& target = pdf) { return service.change({target, app.url}); }
    void setBrowser(const AppInfo& links, const AppInfo& pages)
    {
        fake->setDefault(http, links);
        fake->setDefault(https, pages);
        fake->setDefault(html, pages);
    }
    QStringList names(const TargetState& s)
    {
        QStringList list;
        for (const AppInfo& app : s.candidates)
            list.append(app.name);
        return list;
    }
};

TEST_F(DefaultsServiceTest, CandidatesAreEntriesSortedStably)
{
    const AppInfo zed = fake->addApp(u"zed"_s, u"org.zed"_s);
    const AppInfo zedFlatpak = fake->addApp({QUrl::fromLocalFile(u"/other/zed.desktop"_s), u"org.zed"_s, u"Zed"_s});
    const AppInfo apple = fake->addApp(u"apple"_s);
    const AppInfo appleUpper = fake->addApp(u"APPLE"_s);
    const AppInfo anon = fake->addApp(u"Écrit"_s);
    fake->setCandidateUrls(pdf, {zed.url, appleUpper.url, zedFlatpak.url, apple.url, anon.url, apple.url});
    fake->setDefault(pdf, a);

    const TargetState s = service.state(pdf);
    // Two packagings of one program are two choices; the same entry twice is one. Names that
    // differ only in case keep the platform's order; accents sort with their letter.
    EXPECT_EQ(names(s), (QStringList {u"APPLE"_s, u"apple"_s, u"Écrit"_s, u"zed"_s, u"Zed"_s}));
    EXPECT_EQ(s.current, a); // the default need not be a candidate

    fake->setUnknown(Target::fileExtension(u"zzz"_s));
    EXPECT_EQ(service.state(Target::fileExtension(u"zzz"_s)),
              (TargetState {Target::fileExtension(u"zzz"_s), std::nullopt, {}}));
}

TEST_F(DefaultsServiceTest, ChangeOutcomes)
{
    fake->setDefault(pdf, a);
    EXPECT_EQ(changeTo(b), ChangeResult::changed());
    EXPECT_EQ(service.currentDefault(pdf), b);
    EXPECT_EQ(changeTo(b), ChangeResult::alreadyDefault());
    EXPECT_EQ(fake->setCalls(), 1);

    // Another packaging of the same program is another choice: it is written.
    const AppInfo bFlatpak = fake->addApp({QUrl::fromLocalFile(u"/flatpak/b.desktop"_s), u"org.b"_s, u"b"_s});
    EXPECT_EQ(changeTo(bFlatpak), ChangeResult::changed());
    EXPECT_EQ(service.currentDefault(pdf), bFlatpak);

    // Missing before the call: the platform is not asked.
    deleted.insert(a.url);
    EXPECT_EQ(changeTo(a), ChangeResult::appMissing());
    EXPECT_EQ(fake->setCalls(), 2);
}

struct ErrorRow
{
    const char* name;
    std::optional<LaunchError> error;
    bool movesAnyway;
    bool sticky;
    ChangeResult expected;
};

class ChangeErrors : public DefaultsServiceTest, public ::testing::WithParamInterface<ErrorRow>
{
};

TEST_P(ChangeErrors, AreClassifiedAfterTheReRead)
{
    const ErrorRow& row = GetParam();
    fake->setDefault(pdf, a);
    if (row.error)
        fake->setError(pdf, *row.error, row.movesAnyway);
    if (row.sticky)
        fake->setSticky(pdf);
    EXPECT_EQ(changeTo(b), row.expected);
}

const auto cocoa = [](int code) { return LaunchError::platform(u"NSCocoaErrorDomain"_s, code, u"cocoa"_s); };

INSTANTIATE_TEST_SUITE_P(
    Rows, ChangeErrors,
    ::testing::Values(ErrorRow {"AcceptedButKept", std::nullopt, false, true, ChangeResult::declined()},
                      ErrorRow {"ErrorAfterTheChangeTookEffect", LaunchError::platform(u"x"_s, 1, u"late"_s), true,
                                false, ChangeResult::changed()},
                      ErrorRow {"PlatformMessage", LaunchError::platform(u"g-io-error-quark"_s, 14, u"Disk on fire"_s),
                                false, false, ChangeResult::failed(u"Disk on fire"_s)},
                      ErrorRow {"CocoaMissing", cocoa(4), false, false, ChangeResult::appMissing()},
                      ErrorRow {"CocoaReadMissing", cocoa(260), false, false, ChangeResult::appMissing()},
                      ErrorRow {"CocoaCancelled", cocoa(256), false, false, ChangeResult::declined()},
                      ErrorRow {"CocoaOther", cocoa(3), false, false, ChangeResult::failed(u"cocoa"_s)},
                      ErrorRow {"BackEndMissing",
                                LaunchError::platform(u"d"_s, 4, u"m"_s, LaunchError::Meaning::appMissing), false,
                                false, ChangeResult::appMissing()},
                      ErrorRow {"BackEndRefused",
                                LaunchError::platform(u"d"_s, 2, u"m"_s, LaunchError::Meaning::refused), false, false,
                                ChangeResult::declined()},
                      ErrorRow {"UnknownType", LaunchError::unknownType(u"pdf"_s), false, false,
                                ChangeResult::failed(u"The system doesn't recognise .pdf files"_s)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DefaultsServiceTest, TheWebBrowserMovesAsOneAndASplitOneIsRepaired)
{
    // Links on a, pages on b: choosing a again is not "already the default"; it moves all.
    setBrowser(a, b);
    EXPECT_EQ(service.change({http, a.url}), ChangeResult::changed());
    for (const Target& t : {http, https, html, htm})
        EXPECT_EQ(service.currentDefault(t), a) << t.id().toStdString();
    EXPECT_EQ(service.change({http, a.url}), ChangeResult::alreadyDefault());

    // An explicit request for a linked type in the same batch wins over the bundle, and every
    // outcome is what is set once the batch is done.
    setBrowser(b, b);
    const auto results = service.apply({{http, a.url}, {html, b.url}}).result();
    EXPECT_EQ(results.value({http, a.url}, ChangeResult::failed({})), ChangeResult::changed());
    EXPECT_EQ(results.value({html, b.url}, ChangeResult::failed({})), ChangeResult::alreadyDefault());
    EXPECT_EQ(service.currentDefault(https), a);
    EXPECT_EQ(service.currentDefault(html), b);
    EXPECT_EQ(service.currentDefault(htm), b);

    // Two requests for one type: the later wins, and the earlier does not claim success.
    const auto both = service.apply({{html, a.url}, {htm, b.url}}).result();
    EXPECT_EQ(both.value({htm, b.url}, ChangeResult::failed({})), ChangeResult::changed());
    EXPECT_EQ(both.value({html, a.url}, ChangeResult::failed({})), ChangeResult::declined());
    EXPECT_EQ(service.currentDefault(html), b);
}

TEST_F(DefaultsServiceTest, BatchRunsAtOnceWithoutBlockingAndCollapsesDuplicates)
{
    QList<ChangeRequest> batch;
    for (int i = 0; i < 12; ++i)
        batch.append({Target::scheme(u"s"_s + QString::number(i)), a.url});
    batch.append(batch.first());
    fake->setChangeDelay(150ms);

    QElapsedTimer timer;
    timer.start();
    auto future = service.apply(batch);
    EXPECT_LT(timer.elapsed(), 150); // the caller does not wait for the platform
    const auto results = future.result();
    EXPECT_EQ(results.size(), 12);
    for (const auto& r : results)
        EXPECT_EQ(r, ChangeResult::changed());
    // Every request was in flight at the same time, not one after another.
    EXPECT_GE(fake->maxInFlight(), 12);
    EXPECT_TRUE(service.apply({}).result().isEmpty());
}

TEST_F(DefaultsServiceTest, ABatchOutlivesItsService)
{
    fake->setChangeDelay(100ms);
    auto owned = std::make_unique<DefaultsService>(fake, [](const QUrl&) { return true; });
    auto future = owned->apply({{pdf, b.url}});
    owned.reset();
    EXPECT_EQ(future.result().value({pdf, b.url}, ChangeResult::failed({})), ChangeResult::changed());
}

} // namespace
