// SPDX-License-Identifier: GPL-3.0-or-later
#include "HealthReport.h"
#include "Printers.h"

#include <gtest/gtest.h>

using namespace openwright;
using namespace Qt::Literals::StringLiterals;

namespace {

AppInfo app(const char* name)
{
    return {QUrl::fromLocalFile(u"/apps/"_s + QString::fromLatin1(name)), QString::fromLatin1(name),
            QString::fromLatin1(name)};
}

TargetState state(const char* ext, std::optional<AppInfo> current, QList<AppInfo> candidates = {})
{
    return {Target::fileExtension(QString::fromLatin1(ext)), std::move(current), std::move(candidates)};
}

TEST(HealthReport, EmptyListIsHealthy)
{
    const auto r = HealthReport::evaluate({}, [](const QUrl&) { return false; });
    EXPECT_EQ(r, (HealthReport {100, 0, 0, {}, 0}));
}

TEST(HealthReport, ScoresRoundDown)
{
    const auto r = HealthReport::evaluate({state("a", app("x")), state("b", app("x")), state("c", std::nullopt)},
                                          [](const QUrl&) { return true; });
    EXPECT_EQ(r.score, 66);
    EXPECT_EQ(r.configured, 2);
    EXPECT_EQ(r.configured + r.issues.size(), r.total);

    QList<TargetState> many;
    for (int i = 0; i < 199; ++i)
        many.append(state("a", app("x")));
    many.append(state("z", std::nullopt));
    EXPECT_EQ(HealthReport::evaluate(many, [](const QUrl&) { return true; }).score, 99);
}

TEST(HealthReport, IssuesInStateOrder)
{
    int asked = 0;
    // The system passes over a default whose entry is gone: another application opens it now.
    TargetState passedOver = state("skipped", app("fallback"), {app("fallback")});
    passedOver.removedDefault = app("removed");
    const auto r
        = HealthReport::evaluate({state("gone", app("deleted"), {app("other")}), state("none", std::nullopt),
                                  state("ask", std::nullopt, {app("x")}), state("fine", app("present")), passedOver},
                                 [&](const QUrl& url) {
                                     ++asked;
                                     return !url.path().endsWith(u"deleted"_s);
                                 });
    EXPECT_EQ(asked, 2); // only states with a current application are asked about
    ASSERT_EQ(r.issues.size(), 4);
    EXPECT_EQ(r.issues[0].kind, HealthReport::Issue::Case::missingApp);
    EXPECT_EQ(r.issues[0].app, app("deleted"));
    EXPECT_EQ(r.issues[1].kind, HealthReport::Issue::Case::noHandler);
    EXPECT_EQ(r.issues[2].kind, HealthReport::Issue::Case::noDefault);
    EXPECT_EQ(r.issues[2].target, Target::fileExtension(u"ask"_s));
    EXPECT_EQ(r.issues[3],
              (HealthReport::Issue {HealthReport::Issue::Case::missingApp, passedOver.target, app("removed")}));
    EXPECT_EQ(r.score, 20);
}

// A type other openers start elsewhere still counts as set, and is listed for a look, its row
// saying who differs.
TEST(HealthReport, OpenersThatDifferAreListedWithoutCostingTheScore)
{
    TargetState md = state("md", app("editor"), {app("editor"), app("viewer")});
    md.otherOpeners = {{Opener::kde, app("viewer"), false}, {Opener::xdgOpen, std::nullopt}};
    const auto r = HealthReport::evaluate({md, state("txt", app("editor"))}, [](const QUrl&) { return true; });
    EXPECT_EQ(r.score, 100);
    ASSERT_EQ(r.issues.size(), 1);
    EXPECT_EQ(r.issues[0].kind, HealthReport::Issue::Case::openersDiffer);
    EXPECT_EQ(r.issues[0].otherOpeners, md.otherOpeners);
    EXPECT_EQ(md.note(), u"Opens differently in KDE programs and with xdg-open. KDE programs: viewer. xdg-open: nothing."_s);
    // Each opener named alone.
    EXPECT_EQ(differenceText({{Opener::kde, app("viewer")}}), u"Opens differently in KDE programs"_s);
    EXPECT_EQ(differenceText({{Opener::xdgOpen, app("viewer")}}), u"Opens differently with xdg-open"_s);
    EXPECT_EQ(differenceText({}), QString());

}

} // namespace
