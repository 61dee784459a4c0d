// SPDX-License-Identifier: GPL-3.0-or-later
#include "Catalog.h"
#include "Printers.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace openwright;
using namespace Qt::Literals::StringLiterals;

namespace {

TEST(Catalog, RowsAreUniqueAndOrdered)
{
    const auto& all = Catalog::all();
    ASSERT_EQ(all.size(), 65);
    EXPECT_EQ(all.first().id, u"browser"_s);
    EXPECT_EQ(all.first().target, Target::scheme(u"http"_s));
    EXPECT_EQ(all.last().id, u"ovpn_config"_s);
    QSet<QString> ids;
    QSet<Target> targets;
    for (const FileCategory& c : all) {
        ids.insert(c.id);
        targets.insert(c.target);
        // Every built-in target is in the normal form parsing gives.
        EXPECT_EQ(Target::parse(c.target.id()), c.target) << c.id.toStdString();
        EXPECT_NE(c.group, CategoryGroup::custom);
        // A row opens the type it names: "Word Documents (.docx)" asks about .docx.
        const qsizetype open = c.title.lastIndexOf(u'(');
        if (open >= 0) {
            EXPECT_EQ(c.title.mid(open + 1).chopped(1), c.target.id()) << c.id.toStdString();
        } else if (!c.target.isMimeType()) { // "File Manager" opens folders
            EXPECT_TRUE(c.summary.contains(c.target.payload())) << c.id.toStdString();
        }
    }
    EXPECT_EQ(ids.size(), 65);
    EXPECT_EQ(targets.size(), 65);
    // Rows come grouped in sidebar order: a group never reappears after the next one began.
    for (qsizetype i = 1; i < all.size(); ++i)
        EXPECT_LE(int(all[i - 1].group), int(all[i].group)) << all[i].id.toStdString();
    // 13 groups carry rows; the 14th is the user's own.
    QSet<CategoryGroup> used;
    for (const FileCategory& c : all)
        used.insert(c.group);
    EXPECT_EQ(used.size(), 13);
}

TEST(Catalog, Lookup)
{
    const auto pdf = Catalog::category(u"pdf"_s);
    ASSERT_TRUE(pdf);
    EXPECT_EQ(*pdf, Catalog::all().at(7));
    EXPECT_FALSE(Catalog::category(u"PDF"_s));
    EXPECT_FALSE(Catalog::category(u"custom:.log"_s));
    EXPECT_EQ(Catalog::category(u"seven_zip"_s)->target, Target::fileExtension(u"7z"_s));
    EXPECT_EQ(Catalog::category(u"zoom"_s)->target, Target::scheme(u"zoommtg"_s));
}

TEST(Catalog, CustomRows)
{
    const FileCategory log = FileCategory::custom(Target::fileExtension(u"log"_s));
    EXPECT_EQ(log.id, u"custom:.log"_s);
    EXPECT_EQ(log.title, u".log"_s);
    EXPECT_EQ(log.summary, u"Added by you"_s);
    EXPECT_EQ(log.group, CategoryGroup::custom);
    EXPECT_EQ(FileCategory::custom(Target::scheme(u"zoommtg"_s)).id, u"custom:zoommtg:"_s);
}

} // namespace
