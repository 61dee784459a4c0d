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

// The applications every tree has, then the desktop's lists (and any other file) of the row.
void buildTree(const QString& desktop, const QList<ListFile>& lists)
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
    if (!desktop.isEmpty())
        qputenv("XDG_CURRENT_DESKTOP", desktop.toUtf8());
    for (const ListFile& list : lists)
        XdgTree::writeList(resolve(list.path), list.text);
}

class DecisionReaderTest : public ::testing::TestWithParam<Row>
{
protected:
    void SetUp() override { buildTree(GetParam().desktop, GetParam().lists); }
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

// What the explanation says, word for word: each text is the whole summary, the desktop names
// line or one step's line.
struct WordingRow
{
    const char* name;
    QString desktop;
    QList<ListFile> lists;
    QString target;
    QStringList says; // "$APPS" stands for the system's applications folder
};

void PrintTo(const WordingRow& row, std::ostream* os)
{
    *os << row.name;
}

class DecisionWordingTest : public ::testing::TestWithParam<WordingRow>
{
protected:
    void SetUp() override { buildTree(GetParam().desktop, GetParam().lists); }
};

TEST_P(DecisionWordingTest, SaysWhatDecides)
{
    SystemLaunchServices system;
    const DecisionChain chain = system.explain(*Target::parse(GetParam().target));
    QStringList texts {chain.summary(), chain.desktopSummary()};
    for (const DecisionStep& step : chain.steps)
        texts.append(step.summary());
    for (QString text : GetParam().says) {
        text.replace(u"$APPS"_s, XdgTree::applicationsDir(XdgTree::Level::system));
        EXPECT_TRUE(texts.contains(text)) << text.toStdString() << "\nnot in:\n" << texts.join(u'\n').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecisionWordingTest,
    ::testing::Values(
        WordingRow {
            "DesktopListSets",
            u"GNOME"_s,
            {{u"~/.config/gnome-mimeapps.list"_s,
              defaults(u"image/png=x.desktop\nimage/gif=x.desktop\napplication/pdf=org.gnome.Evince.desktop;"_s)}},
            u".pdf"_s,
            {u".pdf opens in Document Viewer (org.gnome.Evince.desktop) because "
             u"~/.config/gnome-mimeapps.list line 4 sets it for application/pdf"_s,
             u"~/.config/gnome-mimeapps.list line 4 sets Document Viewer (org.gnome.Evince.desktop) for "
             u"application/pdf"_s,
             // The user's plain list is shown even though it does not exist.
             u"~/.config/mimeapps.list does not exist"_s,
             u"XDG_CURRENT_DESKTOP names gnome, so the system also reads gnome-mimeapps.list in each folder; "
             u"it found ~/.config/gnome-mimeapps.list"_s}},
        WordingRow {"AddedAssociationDecides",
                    {},
                    {{u"~/.config/mimeapps.list"_s, u"[Added Associations]\nimage/png=viewer-b.desktop;\n"_s}},
                    u".png"_s,
                    {u".png opens in Viewer B (viewer-b.desktop) because ~/.config/mimeapps.list line 2 adds it for "
                     u"image/png and no list sets an installed default"_s,
                     u"~/.config/mimeapps.list line 2 adds Viewer B (viewer-b.desktop) for image/png, and no list sets "
                     u"an installed default"_s,
                     u"XDG_CURRENT_DESKTOP names no desktop, so the system reads no desktop-specific lists"_s}},
        WordingRow {
            "RemovalInOwnFolder",
            u"Budgie Desktop:KDE"_s,
            {{u"$APPS/mimeapps.list"_s, u"[Removed Associations]\ntext/plain=editor.desktop;\n"_s}},
            u".txt"_s,
            {u".txt opens in Text Editor (editor.desktop) because no list sets an installed default and it is "
             u"the first installed application that handles text/plain"_s,
             u"$APPS/mimeapps.list line 2 removes editor.desktop for text/plain, with no effect on applications "
             u"installed in the same folder"_s,
             u"XDG_CURRENT_DESKTOP names kde, so the system also reads kde-mimeapps.list in each folder. It "
             u"ignores \u201CBudgie Desktop\u201D: a desktop name may hold only letters, digits, - and _"_s}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecisionTextTest, UnknownTypesAndTypesNothingHandles)
{
    const SystemLaunchServices system;
    const DecisionChain unknown = system.explain(Target::fileExtension(u"zzqqxx"_s));
    EXPECT_FALSE(unknown.mimeType);
    EXPECT_TRUE(unknown.steps.isEmpty());
    EXPECT_EQ(unknown.summary(), u"The system doesn't recognise .zzqqxx files"_s);
    EXPECT_EQ(unknown.desktopSummary(), QString());

    const DecisionChain none = system.explain(Target::scheme(u"nobody-handles-this"_s));
    EXPECT_FALSE(none.app);
    EXPECT_TRUE(none.agreesWithSystem);
    ASSERT_FALSE(none.steps.isEmpty());
    EXPECT_EQ(none.steps.last().summary(), u"No installed application handles x-scheme-handler/nobody-handles-this"_s);
}

// Which list the guard names for a change: the one whose line now decides, when it was edited
// after the guard's last look, whatever the order the lists were edited or are read in.
struct AttributionRow
{
    const char* name;
    QString target;
    int gnomeEdited; // seconds after the last look (negative: before it)
    int plainEdited;
    QString named; // the list named, empty for none
};

void PrintTo(const AttributionRow& row, std::ostream* os)
{
    *os << row.name;
}

class DecisionAttributionTest : public ::testing::TestWithParam<AttributionRow>
{
protected:
    void SetUp() override
    {
        buildTree(u"GNOME"_s,
                  {{u"~/.config/gnome-mimeapps.list"_s, defaults(u"image/png=viewer-b.desktop"_s)},
                   {u"~/.config/mimeapps.list"_s, defaults(u"application/pdf=okular.desktop"_s)}});
    }
};

TEST_P(DecisionAttributionTest, NamesTheDecidingListEditedSinceTheLastLook)
{
    const AttributionRow& row = GetParam();
    const QDateTime look = QDateTime::currentDateTimeUtc();
    for (const auto& [list, seconds] : {std::pair {u"~/.config/gnome-mimeapps.list"_s, row.gnomeEdited},
                                        std::pair {u"~/.config/mimeapps.list"_s, row.plainEdited}}) {
        QFile file(resolve(list));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(look.addSecs(seconds), QFileDevice::FileModificationTime));
    }
    const DecisionChain chain = SystemLaunchServices().explain(*Target::parse(row.target));
    EXPECT_EQ(chain.listChangedSince(look), row.named.isEmpty() ? QString() : resolve(row.named));
}

INSTANTIATE_TEST_SUITE_P(
    Edits, DecisionAttributionTest,
    ::testing::Values(
        // Another program edits mimeapps.list for another type a moment after the change.
        AttributionRow {"DecidingListEditedFirst", u".png"_s, 100, 200, u"~/.config/gnome-mimeapps.list"_s},
        // Edited last but read first: the list without an entry for the type is not the cause.
        AttributionRow {"DecidingListReadSecond", u".pdf"_s, 200, 100, u"~/.config/mimeapps.list"_s},
        AttributionRow {"DecidingListOlderThanTheLook", u".png"_s, -100, 200, {}},
        // An installed handler decides (an application installed or removed): no list explains it.
        AttributionRow {"NoListLineDecides", u".txt"_s, 100, 200, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
