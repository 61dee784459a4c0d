// SPDX-License-Identifier: GPL-3.0-or-later
// The "why" explanation against throw-away XDG trees. Each row runs in its own process (GIO
// reads the XDG variables once) and must arrive at exactly the application GIO itself opens.
#include "DecisionReader.h"
#include "DefaultsService.h"
#include "Printers.h"
#include "SystemLaunchServices.h"
#include "XdgTree.h"

#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>

using namespace openwright;
using namespace openwright::test;
using namespace Qt::Literals::StringLiterals;

namespace {

using Group = DecisionStep::Group;
using Presence = DecisionStep::Presence;

struct ListFile
{
    QString path; // "~/" is HOME, "$ETC/" the system configuration, "$APPS/" and "$USERAPPS/" the applications folders
    QString text;
};

struct Row
{
    const char* name;
    QString desktop; // XDG_CURRENT_DESKTOP
    QList<ListFile> lists;
    QString target;
    QString app; // the desktop-file ID expected to decide
    // The step that decides: its list (empty for the installed handlers), line, group and type.
    QString file;
    int line = 0;
    Group group = Group::DefaultApplications;
    QString mimeType;
    QStringList skipped = {};
    QStringList removed = {};
    QString unreadable = {}; // a list the explanation must report as ignored
    bool parentType = false;
};

void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

QString resolve(const QString& path)
{
    const Sandbox& s = Sandbox::instance();
    if (path.startsWith(u"~/"_s))
        return s.home() + path.mid(1);
    if (path.startsWith(u"$ETC/"_s))
        return s.systemConfig() + path.mid(4);
    if (path.startsWith(u"$APPS/"_s))
        return XdgTree::applicationsDir(XdgTree::Level::system) + path.mid(5);
    if (path.startsWith(u"$USERAPPS/"_s))
        return XdgTree::applicationsDir(XdgTree::Level::user) + path.mid(9);
    return path;
}

QString defaults(const QString& lines)
{
    return u"[Default Applications]\n"_s + lines + u'\n';
}

class DecisionReaderTest : public ::testing::TestWithParam<Row>
{
protected:
    void SetUp() override
    {
        using L = XdgTree::Level;
        XdgTree::addApp(u"org.gnome.Evince"_s, u"Document Viewer"_s, {u"application/pdf"_s});
        XdgTree::addApp(u"okular"_s, u"Okular"_s, {u"application/pdf"_s});
        XdgTree::addApp(u"beta"_s, u"Beta"_s, {u"application/pdf"_s}, L::user);
        // GIO does not accept an entry whose program is missing.
        XdgTree::addApp(u"broken"_s, u"Broken"_s, {u"application/pdf"_s}, L::user, u"TryExec=/nonexistent/program\n"_s);
        XdgTree::addApp(u"editor"_s, u"Text Editor"_s, {u"text/plain"_s});
        XdgTree::addApp(u"mdedit"_s, u"Markdown Editor"_s, {u"text/markdown"_s});
        XdgTree::addApp(u"viewer-a"_s, u"Viewer A"_s, {u"image/png"_s}, L::user);
        XdgTree::addApp(u"viewer-b"_s, u"Viewer B"_s, {u"image/png"_s});
        XdgTree::buildCaches();
        if (!GetParam().desktop.isEmpty())
            qputenv("XDG_CURRENT_DESKTOP", GetParam().desktop.toUtf8());
        for (const ListFile& list : GetParam().lists)
            XdgTree::writeList(resolve(list.path), list.text);
    }
};

TEST_P(DecisionReaderTest, ExplainsWhatTheSystemOpens)
{
    const Row& row = GetParam();
    const auto system = std::make_shared<SystemLaunchServices>();
    const DefaultsService service(system);
    const Target target = *Target::parse(row.target);
    const DecisionChain chain = service.explain(target);

    // The explanation arrives where GIO does.
    const auto gioDefault = system->defaultApp(target);
    ASSERT_TRUE(gioDefault);
    ASSERT_TRUE(chain.app);
    EXPECT_EQ(chain.app->path, gioDefault->toLocalFile());
    EXPECT_TRUE(chain.agreesWithSystem) << chain.summary().toStdString();
    EXPECT_EQ(chain.app->desktopId, row.app);

    ASSERT_EQ(std::count_if(chain.steps.cbegin(), chain.steps.cend(), [](const auto& s) { return s.decided(); }), 1);
    const DecisionStep& step = *chain.decisiveStep();
    EXPECT_EQ(step.file, row.file.isEmpty() ? QString() : resolve(row.file)) << step.summary().toStdString();
    EXPECT_EQ(step.line, row.line);
    EXPECT_EQ(step.group, row.group);
    EXPECT_EQ(step.mimeType, row.mimeType);
    EXPECT_EQ(step.parentType, row.parentType);
    EXPECT_EQ(step.chosen, row.app);
    EXPECT_EQ(step.skipped, row.skipped);
    EXPECT_EQ(step.removed, row.removed);

    // The user's own list is always shown, present or not.
    const QString userList = resolve(u"~/.config/mimeapps.list"_s);
    EXPECT_TRUE(std::any_of(chain.steps.cbegin(), chain.steps.cend(),
                            [&](const DecisionStep& s) { return s.file == userList; }));

    if (!row.unreadable.isEmpty()) {
        EXPECT_TRUE(std::any_of(chain.steps.cbegin(), chain.steps.cend(), [&](const DecisionStep& s) {
            return s.file == resolve(row.unreadable) && s.presence == Presence::Unreadable;
        }));
    }
}

const QString pdf = u"application/pdf"_s;

INSTANTIATE_TEST_SUITE_P(
    Trees, DecisionReaderTest,
    ::testing::Values(
        Row {"DesktopSpecificList",
             u"ubuntu:GNOME"_s,
             {{u"~/.config/gnome-mimeapps.list"_s,
               u"# by hand\n\n[Default Applications]\napplication/pdf=org.gnome.Evince.desktop\n"_s},
              {u"~/.config/mimeapps.list"_s, defaults(u"application/pdf=okular.desktop"_s)}},
             u".pdf"_s,
             u"org.gnome.Evince.desktop"_s,
             u"~/.config/gnome-mimeapps.list"_s,
             4,
             Group::DefaultApplications,
             pdf},
        // A desktop list naming only what is not installed gives way to the next list.
        Row {"DesktopListWithoutInstalledEntry",
             u"KDE"_s,
             {{u"~/.config/kde-mimeapps.list"_s, defaults(u"application/pdf=ghost.desktop;"_s)},
              {u"~/.config/mimeapps.list"_s, defaults(u"application/pdf=okular.desktop;"_s)}},
             u".pdf"_s,
             u"okular.desktop"_s,
             u"~/.config/mimeapps.list"_s,
             2,
             Group::DefaultApplications,
             pdf},
        Row {
            "UserList",
            {},
            {{u"~/.config/mimeapps.list"_s, defaults(u"image/png=viewer-b.desktop\napplication/pdf=okular.desktop;"_s)},
             {u"$ETC/mimeapps.list"_s, defaults(u"application/pdf=org.gnome.Evince.desktop;"_s)}},
            u".pdf"_s,
            u"okular.desktop"_s,
            u"~/.config/mimeapps.list"_s,
            3,
            Group::DefaultApplications,
            pdf},
        Row {"SystemConfigList",
             {},
             {{u"$ETC/mimeapps.list"_s, defaults(u"application/pdf=org.gnome.Evince.desktop;"_s)}},
             u".pdf"_s,
             u"org.gnome.Evince.desktop"_s,
             u"$ETC/mimeapps.list"_s,
             2,
             Group::DefaultApplications,
             pdf},
        Row {"ApplicationsFolderList",
             {},
             {{u"$APPS/mimeapps.list"_s, defaults(u"application/pdf=okular.desktop;"_s)}},
             u".pdf"_s,
             u"okular.desktop"_s,
             u"$APPS/mimeapps.list"_s,
             2,
             Group::DefaultApplications,
             pdf},
        // The user's applications folder comes first; the broken entry is never accepted.
        Row {"InstalledHandlers", {}, {}, u".pdf"_s, u"beta.desktop"_s, {}, 0, Group::InstalledHandlers, pdf},
        Row {"UninstalledEntriesSkipped",
             {},
             {{u"~/.config/mimeapps.list"_s,
               defaults(u"application/pdf=ghost.desktop;broken.desktop;okular.desktop;"_s)}},
             u".pdf"_s,
             u"okular.desktop"_s,
             u"~/.config/mimeapps.list"_s,
             2,
             Group::DefaultApplications,
             pdf,
             {u"ghost.desktop"_s, u"broken.desktop"_s}},
        // An alias in a list counts for the type it stands for.
        Row {"AliasedType",
             {},
             {{u"~/.config/mimeapps.list"_s, defaults(u"application/x-pdf=okular.desktop"_s)}},
             u".pdf"_s,
             u"okular.desktop"_s,
             u"~/.config/mimeapps.list"_s,
             2,
             Group::DefaultApplications,
             u"application/x-pdf"_s},
        Row {"RemovedAssociation",
             {},
             {{u"~/.config/mimeapps.list"_s, u"[Removed Associations]\nimage/png=viewer-a.desktop;\n"_s}},
             u".png"_s,
             u"viewer-b.desktop"_s,
             {},
             0,
             Group::InstalledHandlers,
             u"image/png"_s,
             {},
             {u"viewer-a.desktop"_s}},
        Row {"AddedAssociationBeforeHandlers",
             {},
             {{u"~/.config/mimeapps.list"_s, u"[Added Associations]\nimage/png=ghost.desktop;viewer-b.desktop;\n"_s}},
             u".png"_s,
             u"viewer-b.desktop"_s,
             u"~/.config/mimeapps.list"_s,
             2,
             Group::AddedAssociations,
             u"image/png"_s,
             {u"ghost.desktop"_s}},
        Row {"ParentTypeFallback",
             {},
             {},
             u".py"_s,
             u"editor.desktop"_s,
             {},
             0,
             Group::InstalledHandlers,
             u"text/plain"_s,
             {},
             {},
             {},
             true},
        // A handler of the type itself outranks a default set for its parent type.
        Row {"SpecificHandlerBeatsParentDefault",
             {},
             {{u"~/.config/mimeapps.list"_s, defaults(u"text/plain=editor.desktop"_s)}},
             u".md"_s,
             u"mdedit.desktop"_s,
             {},
             0,
             Group::InstalledHandlers,
             u"text/markdown"_s},
        // GIO's default lookup opens a named entry whose user copy says Hidden=true.
        Row {"HiddenUserCopyStillOpens",
             {},
             {{u"$USERAPPS/okular.desktop"_s, u"[Desktop Entry]\nType=Application\nExec=true %U\nHidden=true\n"_s},
              {u"~/.config/mimeapps.list"_s, defaults(u"application/pdf=okular.desktop"_s)}},
             u".pdf"_s,
             u"okular.desktop"_s,
             u"~/.config/mimeapps.list"_s,
             2,
             Group::DefaultApplications,
             pdf},
        // A removal in an applications folder's own list does not reach that folder's handlers.
        Row {"RemovalInOwnFolderKeepsItsHandlers",
             {},
             {{u"$APPS/mimeapps.list"_s, u"[Removed Associations]\ntext/plain=editor.desktop;\n"_s}},
             u".txt"_s,
             u"editor.desktop"_s,
             {},
             0,
             Group::InstalledHandlers,
             u"text/plain"_s},
        // A desktop name with a space is no name to GIO: its list is not read.
        Row {"InvalidDesktopNameIgnored",
             u"Budgie Desktop:KDE"_s,
             {{u"~/.config/budgie desktop-mimeapps.list"_s, defaults(u"application/pdf=okular.desktop"_s)},
              {u"~/.config/mimeapps.list"_s, defaults(u"application/pdf=org.gnome.Evince.desktop"_s)}},
             u".pdf"_s,
             u"org.gnome.Evince.desktop"_s,
             u"~/.config/mimeapps.list"_s,
             2,
             Group::DefaultApplications,
             pdf},
        // GIO reads a list's additions before its removals, whatever their order in the file.
        Row {
            "AddedAndRemovedInOneList",
            {},
            {{u"~/.config/mimeapps.list"_s,
              u"[Removed Associations]\nimage/png=viewer-b.desktop;\n[Added Associations]\nimage/png=viewer-b.desktop;\n"_s}},
            u".png"_s,
            u"viewer-b.desktop"_s,
            u"~/.config/mimeapps.list"_s,
            4,
            Group::AddedAssociations,
            u"image/png"_s},
        // A key repeated in a list: its last line counts.
        Row {"RepeatedKeyLastLineCounts",
             {},
             {{u"~/.config/mimeapps.list"_s,
               defaults(u"application/pdf=okular.desktop\nimage/png=viewer-b.desktop\n"
                        u"application/pdf=org.gnome.Evince.desktop"_s)}},
             u".pdf"_s,
             u"org.gnome.Evince.desktop"_s,
             u"~/.config/mimeapps.list"_s,
             4,
             Group::DefaultApplications,
             pdf},
        // GIO ignores a list it cannot parse as a whole.
        Row {"UnparseableUserListIgnored",
             {},
             {{u"~/.config/mimeapps.list"_s, u"application/pdf=okular.desktop\n"_s + defaults({})},
              {u"$ETC/mimeapps.list"_s, defaults(u"application/pdf=org.gnome.Evince.desktop;"_s)}},
             u".pdf"_s,
             u"org.gnome.Evince.desktop"_s,
             u"$ETC/mimeapps.list"_s,
             2,
             Group::DefaultApplications,
             pdf,
             {},
             {},
             u"~/.config/mimeapps.list"_s}),
    [](const auto& info) { return std::string(info.param.name); });

class DecisionTextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
        XdgTree::addApp(u"org.gnome.Evince"_s, u"Document Viewer"_s, {u"application/pdf"_s});
        XdgTree::buildCaches();
        XdgTree::writeList(
            u"gnome-mimeapps.list"_s,
            defaults(u"image/png=x.desktop\nimage/gif=x.desktop\napplication/pdf=org.gnome.Evince.desktop;"_s));
    }
    SystemLaunchServices system;
};

TEST_F(DecisionTextTest, SummariesNameTheLineAndTheApplication)
{
    const DecisionChain chain = system.explain(Target::fileExtension(u"pdf"_s));
    ASSERT_TRUE(chain.decisiveStep());
    EXPECT_EQ(
        chain.decisiveStep()->summary(),
        u"~/.config/gnome-mimeapps.list line 4 sets Document Viewer (org.gnome.Evince.desktop) for application/pdf"_s);
    EXPECT_EQ(chain.summary(),
              u".pdf opens in Document Viewer (org.gnome.Evince.desktop) because "
              u"~/.config/gnome-mimeapps.list line 4 sets it for application/pdf"_s);
    // The user's plain list is shown even though it does not exist.
    ASSERT_GE(chain.steps.size(), 2);
    EXPECT_EQ(chain.steps[1].summary(), u"~/.config/mimeapps.list does not exist"_s);

    const DecisionChain unknown = system.explain(Target::fileExtension(u"zzqqxx"_s));
    EXPECT_FALSE(unknown.mimeType);
    EXPECT_TRUE(unknown.steps.isEmpty());
    EXPECT_EQ(unknown.summary(), u"The system doesn't recognise .zzqqxx files"_s);

    const DecisionChain none = system.explain(Target::scheme(u"nobody-handles-this"_s));
    EXPECT_FALSE(none.app);
    EXPECT_TRUE(none.agreesWithSystem);
    ASSERT_FALSE(none.steps.isEmpty());
    EXPECT_EQ(none.steps.last().summary(), u"No installed application handles x-scheme-handler/nobody-handles-this"_s);
}

// The guard names the list whose edit made a change: the one modified last after its previous look.
TEST_F(DecisionTextTest, TheListEditedLastIsTheOneThatChanged)
{
    XdgTree::writeList(u"mimeapps.list"_s, defaults(u"text/plain=editor.desktop"_s));
    const QString gnome = resolve(u"~/.config/gnome-mimeapps.list"_s);
    const QString plain = resolve(u"~/.config/mimeapps.list"_s);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const auto& [path, seconds] : {std::pair {gnome, 100}, std::pair {plain, 200}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(now.addSecs(seconds), QFileDevice::FileModificationTime));
    }
    const DecisionChain chain = system.explain(Target::fileExtension(u"pdf"_s));
    EXPECT_EQ(chain.listChangedSince(now.addSecs(50)), plain);
    EXPECT_EQ(chain.listChangedSince(now.addSecs(250)), QString());
}

} // namespace
