// SPDX-License-Identifier: GPL-3.0-or-later
// The doctor on throw-away XDG trees, one process a row: each kind of problem is found where it
// is, its fix leaves exactly the expected file (a copy of the old one beside it), and the PDF
// default moves only where the finding says so.
#include "Doctor.h"
#include "GioDoctor.h"
#include "XdgTree.h"

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>

#include <algorithm>

using namespace openwright;
using namespace openwright::test;
using namespace Qt::Literals::StringLiterals;

namespace {

using Kind = DoctorFinding::Kind;

struct File
{
    QString path; // "~/" is XDG_CONFIG_HOME, "$USERAPPS/" the user's applications folder, "$SYSAPPS/" the system's
    QString text;
};

struct Row
{
    const char* name;
    QList<File> files;
    Kind kind;
    QString file; // where the finding is
    int line;
    QString pdfBefore; // the PDF default before and after fixing everything found; "*": whichever
    QString pdfAfter;
    QList<File> after; // files as the fixes leave them; empty text: removed. "%OTHER%": the finding's `other`
    QString desktop = {};
    QStringList moves = {}; // "TYPE>ID": types the finding's fix alone moves, and where
    QStringList opens = {}; // "TYPE>BEFORE>AFTER": what the system opens before and after fixing everything
};

void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

QString resolve(const QString& path)
{
    if (path.startsWith(u"~/"_s))
        return Sandbox::instance().configHome() + path.mid(1);
    if (path.startsWith(u"$USERAPPS/"_s))
        return XdgTree::applicationsDir(XdgTree::Level::user) + path.mid(9);
    if (path.startsWith(u"$SYSAPPS/"_s))
        return XdgTree::applicationsDir(XdgTree::Level::system) + path.mid(8);
    return path;
}

QString read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void write(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

// What a process of its own (no cache of ours) says opens the type.
QString gioOpens(const QString& type)
{
    QProcess gio;
    gio.start(u"gio"_s, {u"mime"_s, type});
    if (!gio.waitForFinished(10'000))
        return u"(gio did not answer)"_s;
    const QString first = QString::fromUtf8(gio.readAllStandardOutput()).section(u'\n', 0, 0);
    return first.startsWith(u"Default application"_s) ? first.section(u": "_s, 1) : QString();
}

QString pdfDefault()
{
    GAppInfo* info = g_app_info_get_default_for_type("application/pdf", false);
    const QString id = info ? QString::fromUtf8(g_app_info_get_id(info)) : QString();
    if (info)
        g_object_unref(info);
    return id;
}

const QString kDefaults = u"[Default Applications]\n"_s;
const QString kEvince = u"application/pdf=org.gnome.Evince.desktop;\n"_s;
const QString kOkular = u"application/pdf=okular.desktop;\n"_s;
const QString kUserappGone = u"[Desktop Entry]\nType=Application\nName=foo\nExec=/nonexistent/foo %f\n"_s;
const QString kUserappSame = u"[Desktop Entry]\nType=Application\nName=true\nExec=true %f\nNoDisplay=true\n"_s;
// A launcher (here sh) runs many applications: only the same whole command line is the same application.
const QString kUserappShell = u"[Desktop Entry]\nType=Application\nName=sh\nExec=sh -c \"exit 1\" %f\n"_s;
const QString kShellApp = u"[Desktop Entry]\nType=Application\nName=Shell\nExec=/bin/sh -c \"exit 0\" %F\n"_s;
const QString kMpv = u"[Desktop Entry]\nType=Application\nName=mpv\nExec=true %U\nMimeType=video/x-matroska;\n"_s;
const QString kChrome = u"[Desktop Entry]\nType=Application\nName=Chrome\nExec=true %U\nMimeType=text/html;\n"_s;
const QString kGimp = u"[Desktop Entry]\nType=Application\nName=GIMP\nExec=true %U\nMimeType=image/x-xcf;\n"_s;
const QString kEog = u"[Desktop Entry]\nType=Application\nName=Image Viewer\nExec=true %U\nMimeType=image/png;\n"_s;
const QString kAddedPdf
    = u"[Added Associations]\napplication/pdf=org.gnome.Evince.desktop;\napplication/x-pdf=okular.desktop;\n"_s;

class DoctorTrees : public ::testing::TestWithParam<Row>
{
};

TEST_P(DoctorTrees, FindsAndFixes)
{
    const Row& row = GetParam();
    if (!row.desktop.isEmpty())
        qputenv("XDG_CURRENT_DESKTOP", row.desktop.toUtf8());
    XdgTree::addApp(u"org.gnome.Evince"_s, u"Document Viewer"_s, {u"application/pdf"_s});
    XdgTree::addApp(u"okular"_s, u"Okular"_s, {u"application/pdf"_s});
    for (const File& f : row.files)
        write(resolve(f.path), f.text);
    XdgTree::buildCaches();
    const DoctorPaths paths = gio::doctorPaths();
    const DoctorPlatform platform = gio::doctorPlatform();
    if (row.pdfBefore != u"*") {
        EXPECT_EQ(pdfDefault(), row.pdfBefore);
    }
    for (const QString& o : row.opens)
        EXPECT_EQ(gioOpens(o.section(u'>', 0, 0)), o.section(u'>', 1, 1)) << "before, " << o.toStdString();

    const QList<DoctorFinding> found = Doctor::examine(paths, platform);
    const auto it = std::find_if(found.cbegin(), found.cend(), [&](const DoctorFinding& f) {
        return f.kind == row.kind && f.file == resolve(row.file) && f.line == row.line;
    });
    ASSERT_NE(it, found.cend()) << "found " << found.size() << ", the first: "
                                << (found.isEmpty() ? std::string() : found[0].explanation().toStdString());
    EXPECT_FALSE(it->explanation().isEmpty());
    // The fix says exactly what it moves, and that nothing else changes otherwise.
    EXPECT_TRUE(it->predictable) << it->fix().toStdString();
    EXPECT_EQ(it->changesDefault, !row.moves.isEmpty()) << it->fix().toStdString();
    for (QString move : row.moves) {
        move.replace(u"%OTHER%"_s, it->other);
        const auto named = std::find_if(it->moves.cbegin(), it->moves.cend(), [&](const DoctorFinding::Move& m) {
            return m.type == move.section(u'>', 0, 0) && m.to == move.section(u'>', 1, 1);
        });
        EXPECT_NE(named, it->moves.cend()) << move.toStdString() << ": " << it->fix().toStdString();
        EXPECT_TRUE(it->fix().contains(move.section(u'>', 0, 0))) << it->fix().toStdString();
    }
    QHash<QString, QString> before;
    for (const File& f : row.after)
        before.insert(resolve(f.path), read(resolve(f.path)));

    const CleanUpOutcome outcome = Doctor::fix(found, paths, platform);
    EXPECT_TRUE(outcome.succeeded()) << outcome.problems.join(u'\n').toStdString();
    for (const File& f : row.after) {
        const QString path = resolve(f.path);
        QString expected = f.text;
        expected.replace(u"%OTHER%"_s, it->other);
        if (expected.isEmpty()) {
            EXPECT_FALSE(QFileInfo::exists(path)) << path.toStdString();
        } else {
            EXPECT_EQ(read(path), expected) << path.toStdString();
        }
        if (before.value(path) != read(path)) {
            EXPECT_TRUE(outcome.changedFiles.contains(path)) << path.toStdString();
            if (!before.value(path).isEmpty()) {
                EXPECT_EQ(read(path + u".before-cleanup-1"_s), before.value(path));
            }
        }
    }
    // What the system opens now, asked afresh; each type that moved is named in the outcome.
    for (const QString& o : row.opens) {
        EXPECT_TRUE(XdgTree::eventually([&] { return gioOpens(o.section(u'>', 0, 0)) == o.section(u'>', 2, 2); }))
            << "after, " << o.toStdString();
        if (o.section(u'>', 1, 1) != o.section(u'>', 2, 2)) {
            EXPECT_TRUE(std::any_of(outcome.moved.cbegin(), outcome.moved.cend(),
                                    [&](const QString& m) { return m.startsWith(o.section(u'>', 0, 0) + u' '); }))
                << outcome.moved.join(u'\n').toStdString();
        }
    }
    const QString pdfAfter = QString(row.pdfAfter).replace(u"%OTHER%"_s, it->other);
    if (pdfAfter != u"*") {
        EXPECT_TRUE(XdgTree::eventually([&] { return pdfDefault() == pdfAfter; })) << pdfDefault().toStdString();
    }
    // The same findings again are stale: a list rewritten since is never edited by old line numbers.
    EXPECT_TRUE(Doctor::fix(found, paths, platform).changedFiles.isEmpty());
    // Fixed is fixed: what is left is only what cannot be changed here.
    for (const DoctorFinding& f : Doctor::examine(paths, platform))
        EXPECT_FALSE(f.fixable) << f.explanation().toStdString();
}

const QString ev = u"org.gnome.Evince.desktop"_s;
const QString ok = u"okular.desktop"_s;

INSTANTIATE_TEST_SUITE_P(
    Generated, DoctorTrees,
    ::testing::Values(
        Row {"UninstalledApp",
             {{u"~/mimeapps.list"_s, kDefaults + u"application/pdf=gone.desktop;okular.desktop;\n"_s}},
             Kind::uninstalledApp,
             u"~/mimeapps.list"_s,
             2,
             ok,
             ok,
             {{u"~/mimeapps.list"_s, kDefaults + kOkular}}},
        // An alias's IDs join its type's line where the system reads them, in every group.
        Row {"AliasBeforeItsType",
             {{u"~/mimeapps.list"_s, kDefaults + u"application/x-pdf=okular.desktop;\n"_s + kEvince + kAddedPdf}},
             Kind::shadowingAlias,
             u"~/mimeapps.list"_s,
             2,
             ok,
             ok,
             {{u"~/mimeapps.list"_s,
               kDefaults + u"application/pdf=okular.desktop;org.gnome.Evince.desktop;\n[Added Associations]\n"_s
                   + u"application/pdf=org.gnome.Evince.desktop;okular.desktop;\n"_s}}},
        Row {"AliasAfterItsType",
             {{u"~/mimeapps.list"_s,
               kDefaults + u"application/pdf=gone.desktop;\napplication/x-pdf=okular.desktop;\n"_s}},
             Kind::shadowingAlias,
             u"~/mimeapps.list"_s,
             3,
             ok,
             ok,
             {{u"~/mimeapps.list"_s, kDefaults + kOkular}}},
        Row {"KeyTwice",
             {{u"~/mimeapps.list"_s, u"# mine\n"_s + kDefaults + kEvince + kOkular}},
             Kind::duplicateKey,
             u"~/mimeapps.list"_s,
             3,
             ok,
             ok,
             {{u"~/mimeapps.list"_s, u"# mine\n"_s + kDefaults + kOkular}}},
        // Only the application that decides is kept, not a fallback the user removed on purpose.
        Row {
            "DefaultAlsoRemoved",
            {{u"~/mimeapps.list"_s,
              kDefaults + u"application/pdf=okular.desktop;org.gnome.Evince.desktop;\n[Removed Associations]\n"_s
                  + u"application/pdf=okular.desktop;org.gnome.Evince.desktop;\napplication/x-pdf=okular.desktop;\n"_s}},
            Kind::defaultAndRemoved,
            u"~/mimeapps.list"_s,
            4,
            ok,
            ok,
            {{u"~/mimeapps.list"_s,
              kDefaults + u"application/pdf=okular.desktop;org.gnome.Evince.desktop;\n[Removed Associations]\n"_s
                  + kEvince}}},
        Row {"OlderListDecides",
             {{u"$USERAPPS/mimeapps.list"_s, kDefaults + kOkular},
              {u"~/mimeapps.list"_s, u"[Added Associations]\ntext/plain=okular.desktop;\n"_s}},
             Kind::deprecatedList,
             u"$USERAPPS/mimeapps.list"_s,
             2,
             ok,
             ok,
             {{u"$USERAPPS/mimeapps.list"_s, {}},
              {u"~/mimeapps.list"_s, u"[Added Associations]\ntext/plain=okular.desktop;\n\n"_s + kDefaults + kOkular}}},
        Row {"OlderListDecidesOverYourPassedOverLine",
             {{u"$USERAPPS/mimeapps.list"_s, kDefaults + kOkular},
              {u"~/mimeapps.list"_s, kDefaults + u"application/pdf=gone.desktop;\n"_s}},
             Kind::deprecatedList,
             u"$USERAPPS/mimeapps.list"_s,
             2,
             ok,
             ok,
             {{u"$USERAPPS/mimeapps.list"_s, {}}, {u"~/mimeapps.list"_s, kDefaults + kOkular}}},
        Row {"DesktopListOverridesYours",
             {{u"~/gnome-mimeapps.list"_s, kDefaults + kOkular}, {u"~/mimeapps.list"_s, kDefaults + kEvince}},
             Kind::desktopOverride,
             u"~/gnome-mimeapps.list"_s,
             2,
             ok,
             ev,
             {{u"~/gnome-mimeapps.list"_s, {}}, {u"~/mimeapps.list"_s, kDefaults + kEvince}},
             u"GNOME"_s,
             {u"application/pdf>org.gnome.Evince.desktop"_s}},
        Row {"CommandEntryWhoseProgramIsGone",
             {{u"$USERAPPS/userapp-foo-ABC123.desktop"_s, kUserappGone},
              {u"~/mimeapps.list"_s, kDefaults + u"application/pdf=userapp-foo-ABC123.desktop;okular.desktop;\n"_s}},
             Kind::userappMissingProgram,
             u"$USERAPPS/userapp-foo-ABC123.desktop"_s,
             0,
             ok,
             ok,
             {{u"$USERAPPS/userapp-foo-ABC123.desktop"_s, {}}, {u"~/mimeapps.list"_s, kDefaults + kOkular}}},
        Row {"CommandEntryDuplicatingAnApp",
             {{u"$USERAPPS/userapp-true-XYZ789.desktop"_s, kUserappSame},
              {u"$USERAPPS/userapp-sh-DEF456.desktop"_s, kUserappShell},
              {u"$SYSAPPS/shell-tool.desktop"_s, kShellApp},
              {u"~/mimeapps.list"_s, kDefaults + u"application/pdf=userapp-true-XYZ789.desktop;\n"_s}},
             Kind::userappDuplicate,
             u"$USERAPPS/userapp-true-XYZ789.desktop"_s,
             0,
             u"userapp-true-XYZ789.desktop"_s,
             u"%OTHER%"_s,
             {{u"$USERAPPS/userapp-true-XYZ789.desktop"_s, {}},
              {u"$USERAPPS/userapp-sh-DEF456.desktop"_s, kUserappShell},
              {u"~/mimeapps.list"_s, kDefaults + u"application/pdf=%OTHER%;\n"_s}},
             {},
             {u"application/pdf>%OTHER%"_s}},
        // The default lookup still opens a list-named entry whose own copy says Hidden=true.
        Row {"HiddenCopyStillOpens",
             {{u"$USERAPPS/okular.desktop"_s,
               u"[Desktop Entry]\nType=Application\nName=Okular\nExec=true %U\nHidden=true\n"_s},
              {u"~/mimeapps.list"_s, kDefaults + u"application/pdf=okular.desktop;gone.desktop;\n"_s}},
             Kind::uninstalledApp,
             u"~/mimeapps.list"_s,
             2,
             ok,
             ok,
             {{u"~/mimeapps.list"_s, kDefaults + kOkular}}},
        Row {"EntryWhoseProgramIsGone",
             {{u"$USERAPPS/mytool.desktop"_s,
               u"[Desktop Entry]\nType=Application\nName=Tool\nTryExec=gone-tool\nExec=gone-tool %f\n"_s},
              {u"~/mimeapps.list"_s, kDefaults + kEvince}},
             Kind::missingProgram,
             u"$USERAPPS/mytool.desktop"_s,
             0,
             ev,
             ev,
             {{u"$USERAPPS/mytool.desktop"_s, {}}}},
        // A broken user copy masks the system entry of its ID: removing it lets that entry handle
        // the types it declares, and the finding says so.
        Row {"BrokenUserCopyMasksTheSystemEntry",
             {{u"$USERAPPS/mpv.desktop"_s, u"[Desktop Entry]\nType=Application\nName=mpv\nExec=gone-mpv %U\n"_s},
              {u"$SYSAPPS/mpv.desktop"_s, kMpv},
              {u"~/mimeapps.list"_s, kDefaults + kEvince}},
             Kind::missingProgram,
             u"$USERAPPS/mpv.desktop"_s,
             0,
             ev,
             ev,
             {{u"$USERAPPS/mpv.desktop"_s, {}}},
             {},
             {u"video/x-matroska>mpv.desktop"_s},
             {u"video/x-matroska>>mpv.desktop"_s}},
        // GKeyFile keeps a repeated key at its first place with its last value: Chrome decides,
        // and still does once the lines are one.
        Row {"RepeatedAliasKey",
             {{u"$SYSAPPS/chrome.desktop"_s, kChrome},
              {u"~/mimeapps.list"_s,
               kDefaults + u"application/x-pdf=okular.desktop;\n"_s + kEvince + u"application/x-pdf=chrome.desktop;\n"_s}},
             Kind::shadowingAlias,
             u"~/mimeapps.list"_s,
             4,
             u"chrome.desktop"_s,
             u"chrome.desktop"_s,
             {{u"~/mimeapps.list"_s, kDefaults + u"application/pdf=chrome.desktop;org.gnome.Evince.desktop;\n"_s}}},
        // " gimp.desktop" never matches: the line's removal of a gone entry keeps it so, and only
        // trimming it (which says so) moves PNG images to GIMP.
        Row {"UntrimmedItem",
             {{u"$SYSAPPS/gimp.desktop"_s, kGimp},
              {u"$SYSAPPS/eog.desktop"_s, kEog},
              {u"~/mimeapps.list"_s, kDefaults + kEvince + u"image/png=atom.desktop; gimp.desktop\n"_s}},
             Kind::uninstalledApp,
             u"~/mimeapps.list"_s,
             3,
             ev,
             ev,
             {{u"~/mimeapps.list"_s, kDefaults + kEvince + u"image/png=gimp.desktop;\n"_s}},
             {},
             {},
             {u"image/png>eog.desktop>gimp.desktop"_s}},
        // One stray line hides the whole list; dropping it brings its defaults back.
        Row {"StrayLineHidesTheList",
             {{u"$SYSAPPS/gimp.desktop"_s, kGimp},
              {u"$SYSAPPS/eog.desktop"_s, kEog},
              {u"~/mimeapps.list"_s, kDefaults + kEvince + u"image/png=gimp.desktop;\noops\n"_s}},
             Kind::unreadableList,
             u"~/mimeapps.list"_s,
             4,
             u"*"_s,
             ev,
             {{u"~/mimeapps.list"_s, kDefaults + kEvince + u"image/png=gimp.desktop;\n"_s}},
             {},
             {u"image/png>gimp.desktop"_s},
             {u"image/png>eog.desktop>gimp.desktop"_s}},
        // A desktop's own list may only set defaults: its associations count for nothing, and
        // removing them (the list with them, once empty) changes nothing.
        Row {"AssociationsInADesktopList",
             {{u"$SYSAPPS/gimp.desktop"_s, kGimp},
              {u"$SYSAPPS/eog.desktop"_s, kEog},
              {u"~/gnome-mimeapps.list"_s, u"[Added Associations]\nimage/png=gimp.desktop;\n"_s}},
             Kind::ignoredGroup,
             u"~/gnome-mimeapps.list"_s,
             2,
             u"*"_s,
             u"*"_s,
             {{u"~/gnome-mimeapps.list"_s, {}}},
             u"GNOME"_s,
             {},
             {u"image/png>eog.desktop>eog.desktop"_s}}),
    [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

// A list a configuration tool links read-only into place: explained, every finding in it left
// alone, the link and its target unchanged.
TEST(DoctorManaged, AReadOnlyLinkedListIsExplainedNeverChanged)
{
    XdgTree::addApp(u"okular"_s, u"Okular"_s, {u"application/pdf"_s});
    const QString store = Sandbox::instance().root() + u"/nix/store/abc-mimeapps.list"_s;
    write(store, kDefaults + u"application/pdf=gone.desktop;okular.desktop;\n"_s);
    QFile::setPermissions(store, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QString list = Sandbox::instance().configHome() + u"/mimeapps.list"_s;
    QDir().mkpath(QFileInfo(list).path());
    ASSERT_TRUE(QFile::link(store, list));
    XdgTree::buildCaches();

    const QList<DoctorFinding> found = Doctor::examine(gio::doctorPaths(), gio::doctorPlatform());
    ASSERT_EQ(found.size(), 2) << (found.isEmpty() ? std::string() : found[0].explanation().toStdString());
    EXPECT_EQ(found[0].kind, Kind::managedList);
    EXPECT_TRUE(found[0].explanation().contains(u"abc-mimeapps.list"_s));
    EXPECT_EQ(found[0].fix(), u"Managed by your configuration; change it there."_s);
    EXPECT_EQ(found[1].kind, Kind::uninstalledApp);
    EXPECT_FALSE(found[1].fixable);

    const CleanUpOutcome outcome = Doctor::fix(found, gio::doctorPaths(), gio::doctorPlatform());
    EXPECT_TRUE(outcome.changedFiles.isEmpty());
    EXPECT_TRUE(QFileInfo(list).isSymLink());
    EXPECT_EQ(read(store), kDefaults + u"application/pdf=gone.desktop;okular.desktop;\n"_s);
    EXPECT_FALSE(QFileInfo::exists(list + u".before-cleanup-1"_s));
}

} // namespace
