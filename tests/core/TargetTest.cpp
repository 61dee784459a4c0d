// SPDX-License-Identifier: GPL-3.0-or-later
#include "Target.h"
#include "AppInfo.h"
#include "ChangeResult.h"
#include "Json.h"
#include "Printers.h"

#include <QDir>
#include <QHash>
#include <QJsonArray>

#include <gtest/gtest.h>

using namespace openwright;
using namespace Qt::Literals::StringLiterals;

namespace {

struct ParseRow
{
    const char* name;
    QString input;
    std::optional<Target> expected;
};

void PrintTo(const ParseRow& row, std::ostream* os)
{
    *os << row.name;
}

const Target ext(const char* e)
{
    return Target::fileExtension(QString::fromUtf8(e));
}
const Target sch(const char* s)
{
    return Target::scheme(QString::fromUtf8(s));
}

class TargetParsing : public ::testing::TestWithParam<ParseRow>
{
};

TEST_P(TargetParsing, ParsesAsTabled)
{
    const ParseRow& row = GetParam();
    EXPECT_EQ(Target::parse(row.input), row.expected) << row.input.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TargetParsing,
    ::testing::Values(ParseRow {"dotted_upper_with_blanks", u"  .LOG \n"_s, ext("log")},
                      ParseRow {"bare_extension", u"pdf"_s, ext("pdf")},
                      ParseRow {"scheme_upper", u"ZoomMtg:"_s, sch("zoommtg")},
                      ParseRow {"scheme_with_dash", u"x-man-page:"_s, sch("x-man-page")},
                      ParseRow {"scheme_with_plus", u"web+app:"_s, sch("web+app")},
                      ParseRow {"no_colon_is_extension", u"mailto"_s, ext("mailto")},
                      ParseRow {"non_ascii_scheme", u"вконтакте:"_s, sch("вконтакте")},
                      ParseRow {"scheme_with_combining_mark", u"e\u0301t:"_s, sch("e\u0301t")},
                      ParseRow {"scheme_with_non_ascii_digit", u"a\u0663:"_s, sch("a\u0663")},
                      ParseRow {"non_ascii_extension", u".ÄBC"_s, ext("äbc")}, ParseRow {"empty", u""_s, std::nullopt},
                      ParseRow {"lone_dot", u"."_s, std::nullopt}, ParseRow {"lone_colon", u":"_s, std::nullopt},
                      ParseRow {"double_extension", u"tar.gz"_s, std::nullopt},
                      ParseRow {"dotted_double_extension", u".tar.gz"_s, std::nullopt},
                      ParseRow {"two_leading_dots", u"..pdf"_s, std::nullopt},
                      ParseRow {"mime_type", u" inode/directory"_s, Target::mimeType(u"inode/directory"_s)},
                      ParseRow {"mime_type_keeps_its_case", u"application/vnd.ms-excel.sheet.macroEnabled.12"_s,
                                Target::mimeType(u"application/vnd.ms-excel.sheet.macroEnabled.12"_s)},
                      ParseRow {"vendor_type", u"application/vnd.oasis.opendocument.text"_s,
                                Target::mimeType(u"application/vnd.oasis.opendocument.text"_s)},
                      ParseRow {"role", u" Terminal"_s, Target::role(u"terminal"_s)},
                      ParseRow {"dotted_role_name_is_extension", u".terminal"_s, ext("terminal")},
                      ParseRow {"half_a_type", u"text/"_s, std::nullopt},
                      ParseRow {"path", u"/usr/bin"_s, std::nullopt}, ParseRow {"two_slashes", u"a/b/c"_s, std::nullopt},
                      ParseRow {"inner_blank", u"my file"_s, std::nullopt},
                      ParseRow {"scheme_starts_with_digit", u"1abc:"_s, std::nullopt},
                      ParseRow {"scheme_starts_with_non_ascii_digit", u"\u0663a:"_s, std::nullopt},
                      ParseRow {"scheme_with_blank", u"my app:"_s, std::nullopt},
                      ParseRow {"only_one_colon_removed", u"mailto::"_s, std::nullopt},
                      ParseRow {"url_form", u"zoommtg://"_s, std::nullopt},
                      ParseRow {"blanks_only", u"   "_s, std::nullopt}),
    [](const ::testing::TestParamInfo<ParseRow>& info) { return std::string(info.param.name); });

TEST(Target, IdentityAndDerivedProperties)
{
    EXPECT_EQ(ext("pdf").id(), u".pdf"_s);
    EXPECT_EQ(sch("mailto").id(), u"mailto:"_s);
    EXPECT_EQ(Target::parse(u"mailto"_s)->id(), u".mailto"_s);
    EXPECT_NE(ext("http"), sch("http"));
    EXPECT_NE(qHash(ext("http")), qHash(sch("http")));

    EXPECT_EQ(sch("http").linkedTargets(), (QList<Target> {sch("https"), ext("html"), ext("htm"),
                                                           Target::mimeType(u"application/xhtml+xml"_s), sch("about"),
                                                           sch("unknown")}));
    EXPECT_TRUE(sch("https").linkedTargets().isEmpty());
    EXPECT_TRUE(ext("html").linkedTargets().isEmpty());

    EXPECT_EQ(sch("tel").sampleURL()->toString(), u"tel:openwright"_s);
    EXPECT_EQ(sch("https").sampleURL()->toString(), u"https://example.com"_s);
    EXPECT_FALSE(ext("pdf").sampleURL().has_value());
}

TEST(Target, JsonFormsAndErrors)
{
    EXPECT_EQ(encodeDocument(ext("md")), "\".md\"\n");
    EXPECT_EQ(Target::fromJson(u"MD"_s), ext("md"));
    const Target folders = Target::mimeType(u"inode/directory"_s);
    EXPECT_EQ(encodeDocument(folders), "\"inode\\/directory\"\n"); // data files escape "/" as ever
    EXPECT_EQ(Target::fromJson(folders.id()), folders);
    try {
        Target::fromJson(u"tar.gz"_s);
        FAIL() << "decoded a bad target";
    } catch (const DecodeError& e) {
        EXPECT_EQ(e.message(), u"Bad target tar.gz"_s);
    }
    EXPECT_THROW(Target::fromJson(QJsonValue(3)), DecodeError);
}

AppInfo app(const char* path, std::optional<QString> id, const char* name = "App")
{
    return {QUrl::fromLocalFile(QString::fromUtf8(path)), std::move(id), QString::fromUtf8(name)};
}

TEST(AppInfo, SameApplication)
{
    // Same identity at two places is one application; identity beats path.
    EXPECT_TRUE(app("/a/x.desktop", u"org.x"_s).isSameApp(app("/b/y.desktop", u"org.x"_s)));
    EXPECT_FALSE(app("/a/x.desktop", u"org.x"_s).isSameApp(app("/a/x.desktop", u"org.y"_s)));
    // Without identities, standardised paths decide.
    EXPECT_TRUE(app("/a/b/../x.desktop", std::nullopt).isSameApp(app("/a/x.desktop", std::nullopt)));
    EXPECT_FALSE(app("/a/x.desktop", std::nullopt).isSameApp(app("/a/y.desktop", std::nullopt)));
    // One identity missing: paths decide.
    EXPECT_TRUE(app("/a/x.desktop", u"org.x"_s).isSameApp(app("/a/x.desktop", std::nullopt)));
    EXPECT_FALSE(app("/a/x.desktop", u"org.x"_s).isSameApp(std::nullopt));
    // Two packagings of one program are the same application but not the same entry.
    EXPECT_FALSE(app("/a/x.desktop", u"org.x"_s).isSameEntry(app("/b/x.desktop", u"org.x"_s)));
    EXPECT_TRUE(app("/a/b/../x.desktop", u"org.x"_s).isSameEntry(app("/a/x.desktop", std::nullopt)));
}

TEST(AppInfo, DistinctNamesTellEntriesApart)
{
    const QString home = QDir::homePath();
    const QList<AppInfo> apps {
        app("/usr/share/applications/vlc.desktop", u"org.videolan.vlc"_s, "VLC"),
        app("/var/lib/flatpak/exports/share/applications/org.videolan.VLC.desktop", u"org.videolan.vlc"_s, "VLC"),
        app("/var/lib/snapd/desktop/applications/vlc_vlc.desktop", u"org.videolan.vlc"_s, "VLC"),
        {QUrl::fromLocalFile(home + u"/.local/share/applications/vlc.desktop"_s), u"org.videolan.vlc"_s, u"VLC"_s},
        app("/opt/a/edit.desktop", std::nullopt, "Edit"),
        app("/opt/a/edit2.desktop", std::nullopt, "Edit"),
        app("/usr/share/applications/mpv.desktop", u"mpv"_s, "mpv"),
    };
    const auto names = distinctNames(apps);
    EXPECT_EQ(names.value(apps[0].url), u"VLC (/usr/share/applications)"_s);
    EXPECT_EQ(names.value(apps[1].url), u"VLC (Flatpak)"_s);
    EXPECT_EQ(names.value(apps[2].url), u"VLC (Snap)"_s);
    EXPECT_EQ(names.value(apps[3].url), u"VLC (~/.local/share/applications)"_s);
    EXPECT_EQ(names.value(apps[4].url), u"Edit (edit)"_s); // one folder: the file tells them apart
    EXPECT_EQ(names.value(apps[5].url), u"Edit (edit2)"_s);
    EXPECT_EQ(names.value(apps[6].url), u"mpv"_s);
}

TEST(AppInfo, IdAndJson)
{
    EXPECT_EQ(app("/usr/share/applications/My App.desktop", std::nullopt).id(),
              u"/usr/share/applications/My App.desktop"_s);
    EXPECT_EQ(app("/a/x.desktop", u"org.x"_s).id(), u"org.x"_s);

    const AppInfo noId = app("/a/My App.desktop", std::nullopt, "My App");
    const QJsonObject o = Json::read(encodeDocument(noId)).toObject();
    EXPECT_FALSE(o.contains(u"bundleID"_s));
    EXPECT_EQ(o.value(u"url"_s).toString(), u"file:///a/My%20App.desktop"_s);
    EXPECT_EQ(AppInfo::fromJson(o), noId);

    const AppInfo withNull = AppInfo::fromJson(
        QJsonObject {{u"url"_s, u"file:///a/x.desktop"_s}, {u"name"_s, u"X"_s}, {u"bundleID"_s, QJsonValue::Null}});
    EXPECT_FALSE(withNull.bundleID.has_value());
    EXPECT_THROW(AppInfo::fromJson(QJsonObject {{u"url"_s, u"file:///a"_s}}), DecodeError);
    EXPECT_THROW(AppInfo::fromJson(QJsonObject {{u"url"_s, 5}, {u"name"_s, u"X"_s}}), DecodeError);
    EXPECT_THROW(AppInfo::fromJson(QJsonObject {{u"url"_s, u"relative.desktop"_s}, {u"name"_s, u"X"_s}}), DecodeError);
    // A URL whose text Qt re-encodes still reads back equal after a save (found by fuzzing).
    const AppInfo odd = AppInfo::fromJson(QJsonObject {{u"url"_s, u"file:///a.desk##b#"_s}, {u"name"_s, u"X"_s}});
    EXPECT_EQ(AppInfo::fromJson(Json::read(encodeDocument(odd))), odd);
    EXPECT_THROW(AppInfo::fromJson(QJsonObject {{u"url"_s, u"file:///a"_s}, {u"name"_s, QJsonArray {}}}), DecodeError);
}

TEST(ChangeResult, SuccessAndMessages)
{
    EXPECT_FALSE(ChangeResult::failed(u"Boom"_s).isSuccess());
    EXPECT_EQ(ChangeResult::failed(u"Boom"_s).message(), u"Boom"_s);
    EXPECT_TRUE(ChangeResult::alreadyDefault().isSuccess());
    // The Linux wording: no dialog asked the user here.
    EXPECT_EQ(ChangeResult::declined().message(), u"Another setting keeps the current app"_s);
    EXPECT_NE(ChangeResult::failed(u"a"_s), ChangeResult::failed(u"b"_s));
    EXPECT_EQ(ChangeResult::changed().withNote(u"Kept x"_s).message(), u"Changed. Kept x"_s);
    EXPECT_TRUE(ChangeResult::changed().withNote(u"Kept x"_s).isSuccess());
}

} // namespace
