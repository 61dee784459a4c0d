// SPDX-License-Identifier: GPL-3.0-or-later
// The GIO back end against a throw-away XDG tree. ctest runs every test in its own process:
// GIO reads the XDG variables once, so each test lays out its tree before the first GIO call.
#include "SystemLaunchServices.h"
#include "ApplicationIdentity.h"
#include "DefaultsService.h"
#include "HealthReport.h"
#include "MimeLists.h"
#include "Printers.h"
#include "ProfilePlanner.h"
#include "Sandbox.h"
#include "XdgTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <QThread>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace openwright;
using namespace openwright::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const Target pdf = Target::fileExtension(u"pdf"_s);
const Target http = Target::scheme(u"http"_s);

class SystemLaunchServicesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        alpha = XdgTree::addApp(u"alpha"_s, u"Alpha"_s, {u"application/pdf"_s, u"text/plain"_s});
        beta = XdgTree::addApp(u"beta"_s, u"beta"_s, {u"application/pdf"_s}, XdgTree::Level::user);
        browser = XdgTree::addApp(u"org.example.Browser"_s, u"Browser"_s,
                                  {u"x-scheme-handler/http"_s, u"x-scheme-handler/https"_s, u"text/html"_s});
    }

    void build(const QString& mimeapps = u"[Default Applications]\napplication/pdf=alpha.desktop;\n"_s)
    {
        XdgTree::buildCaches();
        XdgTree::writeList(u"mimeapps.list"_s, mimeapps);
    }

    static QUrl url(const QString& path) { return QUrl::fromLocalFile(path); }

    QString alpha, beta, browser;
    std::shared_ptr<SystemLaunchServices> system = std::make_shared<SystemLaunchServices>();
    DefaultsService service {system};
};

TEST_F(SystemLaunchServicesTest, ReadSetReadBack)
{
    build();
    const TargetState before = service.state(pdf);
    ASSERT_TRUE(before.current);
    EXPECT_EQ(*before.current, (AppInfo {url(alpha), u"alpha"_s, u"Alpha"_s}));
    ASSERT_EQ(before.candidates.size(), 2);
    EXPECT_EQ(before.candidates[0].name, u"Alpha"_s);
    EXPECT_EQ(before.candidates[1].name, u"beta"_s);

    EXPECT_EQ(service.change({pdf, url(beta)}), ChangeResult::changed());
    EXPECT_EQ(service.currentDefault(pdf)->bundleID, u"beta"_s);
    EXPECT_TRUE(XdgTree::readList().contains(u"application/pdf=beta.desktop;"_s));
    EXPECT_EQ(service.change({pdf, url(beta)}), ChangeResult::alreadyDefault());

    // A type named directly: which application opens folders.
    const Target folders = Target::mimeType(u"inode/directory"_s);
    EXPECT_EQ(service.change({folders, url(alpha)}), ChangeResult::changed());
    EXPECT_TRUE(XdgTree::readList().contains(u"inode/directory=alpha.desktop;"_s));
}

// Another program's write of the list is read by the next look, as a long-running window makes
// them: the queries of one look share one glance at the files, a later look glances again.
TEST_F(SystemLaunchServicesTest, AnotherProgramsWriteIsReadByTheNextLook)
{
    build();
    EXPECT_EQ(service.currentDefault(pdf)->bundleID, u"alpha"_s);
    QThread::msleep(50); // the next look, asked at once after the write
    XdgTree::writeList(u"mimeapps.list"_s, u"[Default Applications]\napplication/pdf=beta.desktop;\n"_s);
    EXPECT_EQ(service.currentDefault(pdf)->bundleID, u"beta"_s);
}

TEST_F(SystemLaunchServicesTest, UnknownExtensionsAndSchemes)
{
    build();
    const Target unknown = Target::fileExtension(u"zzqqxx"_s);
    EXPECT_EQ(service.state(unknown), (TargetState {unknown, std::nullopt, {}}));
    EXPECT_EQ(service.change({unknown, url(alpha)}),
              ChangeResult::failed(u"The system doesn't recognise .zzqqxx files"_s));
    const Target scheme = Target::scheme(u"nobody-handles-this"_s);
    EXPECT_EQ(service.state(scheme), (TargetState {scheme, std::nullopt, {}, {}, {}, DefaultSource::notSet}));
    // A scheme is always a type: it can be given a handler.
    EXPECT_EQ(service.change({scheme, url(alpha)}), ChangeResult::changed());
    // Named as a link, and a type the database lacks has no name (not GIO's "… type").
    EXPECT_EQ(system->typeDescription(u"x-scheme-handler/https"_s), u"https: links"_s);
    EXPECT_EQ(system->typeDescription(u"application/x-ow-nothing-knows"_s), QString());
}

TEST_F(SystemLaunchServicesTest, WebBrowserMovesLinksAndPagesTogether)
{
    XdgTree::addApp(u"old-browser"_s, u"Old"_s,
                    {u"x-scheme-handler/http"_s, u"x-scheme-handler/https"_s, u"text/html"_s});
    // Split: links in the browser, secure links and pages elsewhere. Choosing the browser that
    // links already name repairs it.
    build(u"[Default Applications]\nx-scheme-handler/http=org.example.Browser.desktop;\n"
          u"x-scheme-handler/https=old-browser.desktop;\ntext/html=old-browser.desktop;\n"_s);
    // A split is no one browser: each of its types is told, and explained as its own target.
    const TargetState split = service.state(http);
    EXPECT_FALSE(split.current);
    EXPECT_EQ(split.note(), u"Split between browsers: Browser opens x-scheme-handler/http; Old opens "
                            u"x-scheme-handler/https, text/html."_s);
    QStringList explained;
    for (const DecisionChain& chain : service.explainEach(http))
        explained.append(chain.target.id() + u' ' + chain.app.value_or(DecisionChain::App {}).name);
    EXPECT_EQ(explained, (QStringList {u"http: Browser"_s, u"https: Old"_s, u".html Old"_s}));
    EXPECT_EQ(service.change({http, url(browser)}), ChangeResult::changed());
    for (const Target& t : http.linkedTargets())
        EXPECT_EQ(service.currentDefault(t)->bundleID, u"org.example.Browser"_s) << t.id().toStdString();
    EXPECT_EQ(service.change({http, url(browser)}), ChangeResult::alreadyDefault());
    EXPECT_TRUE(service.state(http).byType.isEmpty());
    EXPECT_EQ(service.explainEach(http).size(), 1);
}

// Xfce and KDE open links with a browser setting of their own. On those desktops it is read
// with the lists (a difference is a split browser), written with them in the same change,
// and explained; elsewhere it is left alone.
struct DesktopBrowserRow
{
    const char* name;
    QByteArray desktop;
    QString file; // below XDG_CONFIG_HOME
    QString namesBolt; // the file, naming Bolt
    QStringList afterFox; // lines the file holds once Fox is chosen
    QStringList afterCedar;
};

void PrintTo(const DesktopBrowserRow& row, std::ostream* os)
{
    *os << row.name;
}

class DesktopBrowsers : public SystemLaunchServicesTest, public ::testing::WithParamInterface<DesktopBrowserRow>
{
protected:
    static QString write(const QString& path, const QString& text)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        return path;
    }
    static QString browserApp(const QString& id, const QString& name, const QString& exec)
    {
        return write(XdgTree::applicationsDir(XdgTree::Level::system) + u'/' + id + u".desktop"_s,
                     u"[Desktop Entry]\nType=Application\nName=%1\nExec=%2 %u\n"
                     u"MimeType=x-scheme-handler/http;x-scheme-handler/https;text/html;\n"_s.arg(name, exec));
    }
};

TEST_P(DesktopBrowsers, AreReadWrittenAndExplained)
{
    const DesktopBrowserRow& row = GetParam();
    qputenv("XDG_CURRENT_DESKTOP", row.desktop);
    const QString fox = browserApp(u"org.example.Fox"_s, u"Fox"_s, u"cat"_s);
    browserApp(u"org.example.Bolt"_s, u"Bolt"_s, u"env --ignore-environment"_s);
    const QString cedar = browserApp(u"org.example.Cedar"_s, u"Cedar"_s, u"sort"_s);
    // Xfce's helpers name programs, not desktop entries.
    const QString helpers = Sandbox::instance().systemData() + u"/xfce4/helpers/"_s;
    write(helpers + u"fox.desktop"_s, u"[Desktop Entry]\nType=X-XFCE-Helper\nName=Fox\nX-XFCE-Category=WebBrowser\n"
                                      u"X-XFCE-Binaries=cat;\nX-XFCE-Commands=%B;\n"_s);
    write(helpers + u"bolt.desktop"_s, u"[Desktop Entry]\nType=X-XFCE-Helper\nName=Bolt\nX-XFCE-Category=WebBrowser\n"
                                       u"X-XFCE-Binaries=no-such-program;env;\nX-XFCE-Commands=%B;\n"_s);
    const QString setting = write(Sandbox::instance().configHome() + u'/' + row.file, row.namesBolt);
    build(u"[Default Applications]\nx-scheme-handler/http=org.example.Fox.desktop;\n"
          u"x-scheme-handler/https=org.example.Fox.desktop;\ntext/html=org.example.Fox.desktop;\n"_s);
    const auto text = [&] {
        QFile file(setting);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    const bool honoured = !row.afterFox.isEmpty();

    // Links the desktop opens go to Bolt, the others to Fox: no one browser.
    const TargetState split = service.state(http);
    EXPECT_EQ(split.current.has_value(), !honoured);
    if (honoured) {
        ASSERT_GE(split.byType.size(), 2);
        EXPECT_EQ(split.byType.first().app->name, u"Fox"_s);
        EXPECT_EQ(split.byType.last().app->name, u"Bolt"_s);
        const DecisionChain why = system->explain(http);
        ASSERT_FALSE(why.steps.isEmpty());
        EXPECT_EQ(why.steps.first().group, DecisionStep::Group::DesktopSetting);
        EXPECT_TRUE(why.steps.first().summary().contains(QFileInfo(row.file).fileName())
                    && why.steps.first().summary().contains(u"Bolt"_s))
            << why.steps.first().summary().toStdString();
        EXPECT_TRUE(why.summary().contains(u"its own setting"_s)) << why.summary().toStdString();
    } else {
        const QList<DecisionStep> steps = system->explain(http).steps;
        EXPECT_TRUE(std::none_of(steps.cbegin(), steps.cend(), [](const DecisionStep& s) {
            return s.group == DecisionStep::Group::DesktopSetting;
        }));
    }

    // Choosing the browser writes the desktop's setting too, keeping the rest of the file.
    EXPECT_EQ(service.change({http, url(fox)}), ChangeResult::changed());
    EXPECT_EQ(service.currentDefault(http)->name, u"Fox"_s);
    for (const QString& line : row.afterFox)
        EXPECT_TRUE(text().contains(line)) << text().toStdString();
    if (!honoured) {
        EXPECT_EQ(text(), row.namesBolt);
    }
    EXPECT_FALSE(text().contains(u"Bolt"_s) && honoured);

    // A browser no Xfce helper starts gets the user's custom helper.
    EXPECT_EQ(service.change({http, url(cedar)}), ChangeResult::changed());
    EXPECT_EQ(service.currentDefault(http)->name, u"Cedar"_s);
    for (const QString& line : row.afterCedar)
        EXPECT_TRUE(text().contains(line)) << text().toStdString();
    // The whole bundle moved, the desktops' own extras included.
    for (const QString& type : {u"application/xhtml+xml"_s, u"x-scheme-handler/about"_s, u"x-scheme-handler/unknown"_s})
        EXPECT_TRUE(XdgTree::readList().contains(type + u"=org.example.Cedar.desktop\n"_s)) << type.toStdString();

    // Back to the system's choice: the user's browser line goes with the user's list lines.
    EXPECT_EQ(service.change({http, QUrl()}), ChangeResult::changed());
    if (honoured) {
        EXPECT_FALSE(text().contains(u"Browser"_s)) << text().toStdString();
        EXPECT_TRUE(text().contains(row.file.endsWith(u"kdeglobals"_s) ? u"[KDE]\nx=1"_s : u"TerminalEmulator"_s));
    }
    EXPECT_TRUE(service.state(http).byType.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, DesktopBrowsers,
    ::testing::Values(
        DesktopBrowserRow {"Xfce", "XFCE", u"xfce4/helpers.rc"_s, u"TerminalEmulator=xfce4-terminal\nWebBrowser=bolt\n"_s,
                           {u"TerminalEmulator=xfce4-terminal\nWebBrowser=fox\n"_s},
                           {u"WebBrowser=custom-WebBrowser\n"_s}},
        DesktopBrowserRow {"KdeCommand", "KDE", u"kdeglobals"_s,
                           u"[General]\nBrowserApplication[$e]=!env --ignore-environment\nfixed=Hack,10\n\n[KDE]\nx=1\n"_s,
                           {u"[General]\nBrowserApplication=org.example.Fox.desktop\nfixed=Hack,10\n\n[KDE]\nx=1\n"_s},
                           {u"BrowserApplication=org.example.Cedar.desktop\n"_s}},
        DesktopBrowserRow {"ElsewhereIgnored", "GNOME", u"xfce4/helpers.rc"_s, u"WebBrowser=bolt\n"_s, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// Lists that would keep the old default after GIO's own write: the user's desktop-specific
// list, and a line under an alias, which the system tries in file order.
struct OutrankingRow
{
    const char* name;
    QString userList;
    QString gnomeList; // empty: none
    QString explainedBy; // the key that decides before the change
};

void PrintTo(const OutrankingRow& row, std::ostream* os)
{
    *os << row.name;
}

class OutrankingLists : public SystemLaunchServicesTest, public ::testing::WithParamInterface<OutrankingRow>
{
};

TEST_P(OutrankingLists, AreUpdatedSoTheChangeTakesEffect)
{
    const OutrankingRow& row = GetParam();
    qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    build(row.userList);
    if (!row.gnomeList.isEmpty())
        XdgTree::writeList(u"gnome-mimeapps.list"_s, row.gnomeList);
    EXPECT_EQ(service.currentDefault(pdf)->bundleID, u"alpha"_s);
    const DecisionChain before = system->explain(pdf);
    ASSERT_TRUE(before.decisiveStep());
    EXPECT_EQ(before.decisiveStep()->mimeType, row.explainedBy);

    EXPECT_EQ(service.change({pdf, url(beta)}), ChangeResult::changed());
    EXPECT_EQ(service.currentDefault(pdf)->bundleID, u"beta"_s);
    const QString lists = XdgTree::readList() + XdgTree::readList(u"gnome-mimeapps.list"_s);
    EXPECT_FALSE(lists.contains(u"x-pdf"_s)) << lists.toStdString();
    EXPECT_TRUE(lists.contains(u"text/plain=alpha.desktop;"_s)) << lists.toStdString();
    if (!row.gnomeList.isEmpty()) {
        EXPECT_TRUE(XdgTree::readList(u"gnome-mimeapps.list"_s).contains(u"# managed by hand"_s));
    }
    const DecisionChain after = system->explain(pdf);
    EXPECT_TRUE(after.agreesWithSystem);
    EXPECT_TRUE(after.summary().contains(u"opens in beta (beta.desktop) because"_s)) << after.summary().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OutrankingLists,
    ::testing::Values(OutrankingRow {"desktop_list", u"[Default Applications]\napplication/pdf=beta.desktop;\n"_s,
                                     u"# managed by hand\n[Default Applications]\napplication/pdf=alpha.desktop;\n"
                                     u"text/plain=alpha.desktop;\n"_s,
                                     u"application/pdf"_s},
                      OutrankingRow {"desktop_list_alias", u"[Default Applications]\napplication/pdf=beta.desktop;\n"_s,
                                     u"# managed by hand\n[Default Applications]\napplication/x-pdf=alpha.desktop;\n"
                                     u"text/plain=alpha.desktop;\n"_s,
                                     u"application/x-pdf"_s},
                      OutrankingRow {
                          "user_list_alias_first",
                          u"[Default Applications]\napplication/x-pdf=alpha.desktop;\napplication/pdf=alpha.desktop;\n"
                          u"text/plain=alpha.desktop;\n"_s,
                          {},
                          u"application/x-pdf"_s}),
    [](const auto& info) { return std::string(info.param.name); });

// A default whose entry was deleted: the system passes over it and opens something else, while
// the user's own lists still name it.
struct RemovedRow
{
    const char* name;
    QString userList;
    QString gnomeList; // empty: none
    QString removed; // the name shown; empty: the user's choice still opens the type
};

void PrintTo(const RemovedRow& row, std::ostream* os)
{
    *os << row.name;
}

class RemovedDefaults : public SystemLaunchServicesTest, public ::testing::WithParamInterface<RemovedRow>
{
};

TEST_P(RemovedDefaults, AreReadFromTheUsersLists)
{
    const RemovedRow& row = GetParam();
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    // A copy of alpha in the user's folder hides it from menus, yet the system still opens it.
    XdgTree::addApp(u"alpha"_s, u"Alpha"_s, {u"application/pdf"_s}, XdgTree::Level::user, u"Hidden=true\n"_s);
    build(row.userList);
    if (!row.gnomeList.isEmpty())
        XdgTree::writeList(u"gnome-mimeapps.list"_s, row.gnomeList);
    const TargetState state = service.state(pdf);
    ASSERT_TRUE(state.current);
    const HealthReport health = HealthReport::evaluate({state}, [](const QUrl&) { return true; });
    if (row.removed.isEmpty()) {
        EXPECT_FALSE(state.removedDefault) << state.removedDefault->name.toStdString();
        EXPECT_EQ(health.configured, 1);
        return;
    }
    ASSERT_TRUE(state.removedDefault);
    EXPECT_EQ(state.note(),
              u"Set to "_s + row.removed + u", which is no longer installed. "_s + state.current->name
                  + u" opens it for now."_s);
    ASSERT_EQ(health.issues.size(), 1);
    EXPECT_EQ(health.issues[0].kind, HealthReport::Issue::Case::missingApp);
    // Choosing an application again is the fix.
    EXPECT_EQ(service.change({pdf, url(beta)}), ChangeResult::changed());
    EXPECT_FALSE(service.state(pdf).removedDefault);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RemovedDefaults,
    ::testing::Values(
        RemovedRow {"user_list", u"[Default Applications]\napplication/pdf=gone.desktop;\n"_s, {}, u"gone"_s},
        RemovedRow {"under_an_alias", u"[Default Applications]\napplication/x-pdf=gone.desktop;\n"_s, {}, u"gone"_s},
        RemovedRow {"desktop_list", u"[Default Applications]\napplication/pdf=gone.desktop;\n"_s,
                    u"[Default Applications]\napplication/pdf=old.desktop;\n"_s, u"old"_s},
        RemovedRow {"another_choice_installed",
                    u"[Default Applications]\napplication/pdf=beta.desktop;\n"_s,
                    u"[Default Applications]\napplication/pdf=gone.desktop;\n"_s,
                    {}},
        RemovedRow {"hidden_but_opened", u"[Default Applications]\napplication/pdf=alpha.desktop;\n"_s, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// The database can give one extension several types of equal weight (*.obj): a real file gets
// one of them by its contents, so the row covers every one.
TEST_F(SystemLaunchServicesTest, AnExtensionOfSeveralTypesIsReadAndWrittenAsAWhole)
{
    XdgTree::addMimeTypes({{u"application/x-ow-drawing"_s, u"*.owpair"_s}, {u"model/x-ow-mesh"_s, u"*.owpair"_s}});
    const QString viewer = XdgTree::addApp(u"viewer"_s, u"Viewer"_s, {u"model/x-ow-mesh"_s});
    build();
    const Target pair = Target::fileExtension(u"owpair"_s);
    const QStringList types = SystemLaunchServices::contentTypes(pair);
    EXPECT_EQ(QSet<QString>(types.cbegin(), types.cend()),
              (QSet<QString> {u"application/x-ow-drawing"_s, u"model/x-ow-mesh"_s}));

    // Meshes open in the viewer, drawings in nothing: no one default, and the state says where.
    const TargetState split = service.state(pair);
    EXPECT_FALSE(split.current);
    EXPECT_EQ(split.candidates.value(0).url, url(viewer));
    EXPECT_TRUE(split.note().contains(u"Viewer opens model/x-ow-mesh"_s)) << split.note().toStdString();
    EXPECT_TRUE(split.note().contains(u"nothing opens application/x-ow-drawing"_s)) << split.note().toStdString();
    QStringList explained; // each type, not only the first
    for (const DecisionChain& chain : service.explainEach(pair))
        explained.append(chain.mimeType.value_or(QString()));
    EXPECT_EQ(explained, types);

    EXPECT_EQ(service.change({pair, url(viewer)}), ChangeResult::changed());
    EXPECT_EQ(service.state(pair), (TargetState {pair, AppInfo::read(url(viewer)), split.candidates, {}, {}, DefaultSource::user, split.recommended}));
    const QString list = XdgTree::readList();
    EXPECT_TRUE(list.contains(u"application/x-ow-drawing=viewer.desktop"_s)) << list.toStdString();
    EXPECT_TRUE(list.contains(u"model/x-ow-mesh=viewer.desktop"_s)) << list.toStdString();
}

TEST_F(SystemLaunchServicesTest, EachAnswerSaysWhereItComesFromAsTheListsChange)
{
    const Target txt = Target::fileExtension(u"txt"_s);
    const Target png = Target::fileExtension(u"png"_s);
    using enum DefaultSource;
    build();
    // Each step changes the files within this one process: what was read and kept must follow.
    const std::function<void()> steps[] = {
        [] {},
        [] { XdgTree::writeList(XdgTree::applicationsDir(XdgTree::Level::system) + u"/mimeapps.list"_s,
                                u"[Default Applications]\ntext/plain=alpha.desktop;\n"_s); },
        [&] { ASSERT_EQ(service.change({pdf, {}}), ChangeResult::changed()); },
        [&] {
            XdgTree::addApp(u"gamma"_s, u"Gamma"_s, {u"image/png"_s}, XdgTree::Level::user);
            XdgTree::buildCaches();
        },
        // The app the desktop's list gives, chosen: now the user's own choice.
        [&] { ASSERT_EQ(service.change({txt, url(alpha)}), ChangeResult::changed()); },
    };
    const DefaultSource expected[][3] = {
        // pdf, txt, png
        {user, system, notSet},
        {user, desktop, notSet},
        {system, desktop, notSet},
        {system, desktop, system},
        {system, user, system},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        // Another program's write is read by the next look, not by one already under way:
        // within it, only GIO's notice (late under load) would show the write.
        QThread::msleep(50);
        steps[i]();
        const Target targets[] = {pdf, txt, png};
        for (size_t k = 0; k < std::size(targets); ++k) {
            SCOPED_TRACE(testing::Message() << "step " << i << ", " << targets[k].id().toStdString());
            EXPECT_EQ(service.source(targets[k]), expected[i][k]);
            EXPECT_EQ(service.state(targets[k], false).source, expected[i][k]);
        }
    }
}

TEST_F(SystemLaunchServicesTest, TheAppsMadeForATypeAreItsFirstCandidates)
{
    // Alpha opens C source as plain text; "Cee 10" and "Cee 9" are made for it.
    const QString cee10 = XdgTree::addApp(u"cee10"_s, u"Cee 10"_s, {u"text/x-csrc"_s});
    const QString cee9 = XdgTree::addApp(u"cee9"_s, u"Cee 9"_s, {u"text/x-csrc"_s});
    build();
    const TargetState c = service.state(Target::fileExtension(u"c"_s));
    QList<QUrl> order;
    for (const AppInfo& app : c.candidates)
        order.append(app.url);
    EXPECT_EQ(order, (QList {url(cee9), url(cee10), url(alpha)}));
    EXPECT_EQ(c.recommended, 2);
}

// What `gio mime TYPE` lists under a heading ("Registered applications", "Recommended
// applications"): GIO's own word, from a process of its own.
QStringList gioListed(const QString& type, const QString& heading)
{
    QProcess gio;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LC_ALL"_s, u"C"_s); // the headings in English
    gio.setProcessEnvironment(env);
    gio.start(u"gio"_s, {u"mime"_s, type});
    gio.waitForFinished(10'000);
    QStringList ids;
    bool under = false;
    for (const QString& line : QString::fromUtf8(gio.readAllStandardOutput()).split(u'\n')) {
        if (!line.startsWith(u'\t'))
            under = line.startsWith(heading);
        else if (under)
            ids.append(line.trimmed());
    }
    return ids;
}

TEST_F(SystemLaunchServicesTest, AnOrderARemovalAndItsUndoAreWhatGioOffers)
{
    const QString gamma = XdgTree::addApp(u"gamma"_s, u"Gamma"_s, {u"application/pdf"_s});
    build(u"[Default Applications]\n# mine\napplication/pdf=alpha.desktop;\n[Added Associations]\ntext/plain=beta.desktop;\n"_s);
    const auto ids = [](const QList<QUrl>& apps) {
        QStringList ids;
        for (const QUrl& app : apps)
            ids.append(QFileInfo(app.toLocalFile()).fileName());
        return ids;
    };
    const auto offered = [&] { return ids(service.associations(pdf).offered); };
    struct Step
    {
        Arrangement how;
        QStringList apps;
        QStringList first; // what the offer starts with, the default first
        QStringList removed;
    };
    const Step steps[] = {
        {Arrangement::order, {gamma}, {u"gamma.desktop"_s}, {}},
        {Arrangement::order, {beta, gamma}, {u"beta.desktop"_s, u"gamma.desktop"_s}, {}},
        {Arrangement::remove, {beta}, {u"gamma.desktop"_s, u"alpha.desktop"_s}, {u"beta.desktop"_s}},
        {Arrangement::restore, {beta}, {u"gamma.desktop"_s}, {}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.first.join(u' ').toStdString());
        QList<QUrl> apps;
        for (const QString& app : step.apps)
            apps.append(url(app));
        EXPECT_EQ(service.arrange(pdf, step.how, apps), ChangeResult::changed());
        EXPECT_EQ(offered().first(std::min(offered().size(), step.first.size())), step.first);
        EXPECT_EQ(offered(), gioListed(u"application/pdf"_s, u"Registered applications"_s));
        EXPECT_EQ(ids(service.associations(pdf).recommended),
                  gioListed(u"application/pdf"_s, u"Recommended applications"_s));
        EXPECT_EQ(service.associations(pdf).removed, step.removed);
        EXPECT_EQ(ids(service.associations(pdf).restorable), step.removed); // each installed
        EXPECT_EQ(service.currentDefault(pdf)->url.fileName(), step.first.first());
    }
    // The user's other lines and comments stay; the group the undo emptied goes.
    const QString list = XdgTree::readList();
    EXPECT_TRUE(list.contains(u"# mine"_s) && list.contains(u"text/plain=beta.desktop;"_s)) << list.toStdString();
    EXPECT_FALSE(list.contains(u"[Removed Associations]"_s)) << list.toStdString();
}

TEST_F(SystemLaunchServicesTest, TwentyChangesInOneBatchAllPersist)
{
    build();
    QList<ChangeRequest> batch;
    for (int i = 0; i < 20; ++i)
        batch.append({Target::scheme(u"batch"_s + QString::number(i)), url(i % 2 ? alpha : beta)});
    const auto results = service.apply(batch).result();
    ASSERT_EQ(results.size(), 20);
    for (const auto& r : results)
        EXPECT_EQ(r, ChangeResult::changed());
    const QString list = XdgTree::readList();
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(list.contains(u"x-scheme-handler/batch"_s + QString::number(i) + u'=')) << "lost change " << i;
    }
}

TEST_F(SystemLaunchServicesTest, NeverWritesADefaultThatIsNotInstalled)
{
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    // An entry GIO drops (its program is not on PATH) is not installed either.
    const QString broken = XdgTree::addApp(u"broken"_s, u"Broken"_s, {u"application/pdf"_s}, XdgTree::Level::user,
                                           u"TryExec=/nonexistent/program\n"_s);
    build();
    const QString gnome = u"[Default Applications]\napplication/pdf=alpha.desktop;\n"_s;
    XdgTree::writeList(u"gnome-mimeapps.list"_s, gnome);
    QTemporaryDir elsewhere;
    const QString stray = elsewhere.filePath(u"stray.desktop"_s);
    QFile::copy(alpha, stray);
    EXPECT_EQ(service.change({pdf, url(stray)}), ChangeResult::appMissing());
    EXPECT_EQ(service.change({pdf, url(broken)}), ChangeResult::appMissing());
    EXPECT_FALSE(XdgTree::readList().contains(u"stray"_s));
    EXPECT_FALSE(XdgTree::readList().contains(u"broken"_s));
    EXPECT_EQ(XdgTree::readList(u"gnome-mimeapps.list"_s), gnome);
}

// "Browse…" in the chooser: an entry from another folder is installed under its own ID, and
// only then can it become a default; an entry that is no application says why.
TEST_F(SystemLaunchServicesTest, AnEntryFromElsewhereIsAddedUnderItsOwnIdOrRefusedWithTheReason)
{
    build();
    QTemporaryDir elsewhere;
    const auto entry = [&](const QString& name, const QByteArray& contents) {
        QFile file(elsewhere.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return url(file.fileName());
    };
    const QUrl reader
        = entry(u"org.example.Reader.desktop"_s,
                "[Desktop Entry]\nType=Application\nName=Reader\nExec=true %f\nMimeType=application/pdf;\n");
    ApplicationFile check = system->checkApplicationFile(reader);
    EXPECT_EQ(check.problem, QString());
    EXPECT_EQ(check.id, u"org.example.Reader"_s);
    EXPECT_FALSE(check.installed);
    EXPECT_FALSE(check.replaces);
    const QUrl installed = system->installApplication(reader);
    EXPECT_EQ(installed, url(XdgTree::applicationsDir(XdgTree::Level::user) + u"/org.example.Reader.desktop"_s));
    EXPECT_EQ(service.change({pdf, installed}), ChangeResult::changed());
    EXPECT_TRUE(system->checkApplicationFile(installed).installed);
    EXPECT_TRUE(system->checkApplicationFile(reader).replaces); // a second copy would replace the first
    EXPECT_TRUE(system->checkApplicationFile(entry(u"empty.desktop"_s, {}))
                    .problem.startsWith(u"That file is not a desktop entry"_s));

    const std::pair<QByteArray, QString> refused[] = {
        {"[Desktop Entry]\nType=Link\nName=Site\nURL=https://example.org\n",
         u"That entry is not an application: its Type is Link."_s},
        {"[Desktop Entry]\nType=Application\nName=Nothing\n",
         u"That entry does not say which program to run: it has no Exec line."_s},
        {"[Desktop Entry]\nType=Application\nName=Caf\xe9\nExec=true\n",
         u"That file is not UTF-8 text, as a desktop entry must be."_s},
        {"[Desktop Entry]\nType=Application\nName=Gone\nExec=no-such-program-here %f\n",
         u"The program that entry runs is not installed."_s},
    };
    for (const auto& [contents, reason] : refused) {
        const QUrl file = entry(u"refused.desktop"_s, contents);
        EXPECT_EQ(system->checkApplicationFile(file).problem, reason) << contents.constData();
        EXPECT_THROW(system->installApplication(file), LaunchError);
    }
    EXPECT_FALSE(QFile::exists(XdgTree::applicationsDir(XdgTree::Level::user) + u"/refused.desktop"_s));
    // A FIFO named as the entry is refused at once, never waited for.
    const QString fifo = elsewhere.filePath(u"fifo.desktop"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(system->checkApplicationFile(url(fifo)).problem, fifo + u" is not a regular file."_s);
}

TEST_F(SystemLaunchServicesTest, AFailedWriteOfOurOwnIsAFailureWithTheReason)
{
    build();
    // Something in the way of the user's list: not an override keeping the current app.
    const QString list = Sandbox::instance().configHome() + u"/mimeapps.list"_s;
    QFile::remove(list);
    QDir().mkpath(list);
    const ChangeResult result = service.change({Target::scheme(u"nobody-handles-this"_s), url(beta)});
    EXPECT_EQ(result.kind(), ChangeResult::Case::Failed);
    EXPECT_FALSE(result.message().isEmpty());
}

// What GLib's writes killed part-way left beside the lists goes once it is a minute old.
// What writes killed half-way leave (a clean-up's copies, the desktops' settings, desktop
// entries and lists in every folder written) goes at the next start; what another program may be
// writing right now (fresh), or that is not a temporary, stays.
TEST_F(SystemLaunchServicesTest, StaleTemporariesOfEveryFileWrittenAreRemoved)
{
    build();
    const QString config = Sandbox::instance().configHome(), apps = Sandbox::instance().dataHome() + u"/applications"_s;
    const QDateTime old = QDateTime::currentDateTime().addSecs(-120);
    const QStringList stale {config + u"/mimeapps.list.Ab12Cd"_s, config + u"/gnome-mimeapps.list.Xy34Zw"_s,
                             config + u"/mimeapps.list.before-cleanup-1.Qr56St"_s, config + u"/kdeglobals.Kd0001"_s,
                             config + u"/xfce4/helpers.rc.Xf0002"_s, config + u"/autostart/x.desktop.Au0003"_s,
                             apps + u"/mimeapps.list.Ap0004"_s, apps + u"/tool.desktop.Ap0005"_s};
    const QStringList kept {config + u"/mimeapps.list.Fresh1"_s, config + u"/mimeapps.list.unreadable-1"_s,
                            config + u"/notes.txt.Ab12Cd"_s, apps + u"/mimeapps.list.before-cleanup-2"_s};
    for (const QString& path : stale + kept) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        if (!path.contains(u"Fresh"_s))
            file.setFileTime(old, QFileDevice::FileModificationTime);
    }
    system->removeStaleTemporaries();
    for (const QString& path : stale)
        EXPECT_FALSE(QFileInfo::exists(path)) << path.toStdString();
    for (const QString& path : kept)
        EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
}

// A list the person keeps private stays private, and one kept elsewhere through their own link
// stays a link, whichever way it is written: GIO's own write, ours, a reset.
TEST_F(SystemLaunchServicesTest, WritesKeepTheListsModeAndTheUsersOwnLink)
{
    build(u"[Default Applications]\napplication/pdf=alpha.desktop;\ntext/plain=alpha.desktop;\n"_s);
    const QString list = Sandbox::instance().configHome() + u"/mimeapps.list"_s;
    const QString kept = Sandbox::instance().root() + u"/dotfiles-mimeapps.list"_s;
    const auto mode = [](const QString& path) {
        struct stat st = {};
        ::stat(QFile::encodeName(path).constData(), &st);
        return st.st_mode & 07777;
    };
    for (const bool linked : {false, true}) {
        if (linked) {
            ASSERT_TRUE(QFile::rename(list, kept));
            ASSERT_TRUE(QFile::link(kept, list));
        }
        ::chmod(QFile::encodeName(list).constData(), 0600);
        EXPECT_EQ(service.change({pdf, url(beta)}).kind(), ChangeResult::Case::Changed);
        EXPECT_TRUE(system->resetDefault({Target::fileExtension(u"txt"_s)}));
        EXPECT_EQ(mode(list), 0600u) << "linked: " << linked;
        EXPECT_EQ(QFileInfo(list).isSymLink(), linked);
        EXPECT_EQ(service.currentDefault(pdf)->bundleID, u"beta"_s);
        EXPECT_TRUE(XdgTree::readList().contains(u"application/pdf=beta.desktop"_s)) << XdgTree::readList().toStdString();
        service.change({pdf, url(alpha)});
        XdgTree::writeList(u"mimeapps.list"_s, u"[Default Applications]\napplication/pdf=alpha.desktop;\ntext/plain=alpha.desktop;\n"_s);
    }
}

// Run by run-on-small-disk.sh, on a file system of its own that the test fills.
class FullDisk : public SystemLaunchServicesTest
{
protected:
    static void fill(const QString& path)
    {
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(fd, 0);
        const QByteArray chunk(64 * 1024, 'x');
        for (qsizetype size = chunk.size(); size > 0; size /= 2) {
            while (::write(fd, chunk.constData(), size_t(size)) == ssize_t(size)) { }
        }
        ::close(fd);
    }
};

// A change that fails for lack of space leaves every list byte for byte as it was: nothing is
// written back that did not change, and what is written back is checked.
TEST_F(FullDisk, AFailedChangeLeavesEveryListAsItWas)
{
    if (qEnvironmentVariableIsEmpty("OPENWRIGHT_SMALL_DISK"))
        GTEST_SKIP() << "needs a file system of its own (run-on-small-disk.sh)";
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    build(u"[Default Applications]\napplication/pdf=alpha.desktop;\ntext/plain=alpha.desktop;\n"_s);
    XdgTree::writeList(u"gnome-mimeapps.list"_s, u"[Default Applications]\napplication/pdf=alpha.desktop;\n"_s);
    const QString user = XdgTree::readList(), gnome = XdgTree::readList(u"gnome-mimeapps.list"_s);
    fill(Sandbox::instance().root() + u"/filler"_s);

    for (const Target& target : {pdf, Target::scheme(u"nobody-handles-this"_s)}) {
        const ChangeResult result = service.change({target, url(beta)});
        EXPECT_EQ(result.kind(), ChangeResult::Case::Failed) << target.id().toStdString();
        EXPECT_TRUE(result.message().contains(qt_error_string(ENOSPC))) << result.message().toStdString();
        EXPECT_EQ(XdgTree::readList(), user);
        EXPECT_EQ(XdgTree::readList(u"gnome-mimeapps.list"_s), gnome);
    }
    EXPECT_EQ(service.currentDefault(pdf)->bundleID, u"alpha"_s);
}

// GIO rewrites a list it cannot parse from empty: the user's other defaults are kept aside.
TEST_F(SystemLaunchServicesTest, AnUnparseableListIsKeptAsideBeforeTheFirstWrite)
{
    const QString broken = u"[Default Applications]\napplication/pdf=alpha.desktop;\nthis line is not a key\n"
                           u"text/plain=alpha.desktop;\n"_s;
    build(broken);
    // GIO ignores the list it cannot parse: beta (the user's entry) opens PDFs until the change.
    const ChangeResult result = service.change({pdf, url(alpha)});
    EXPECT_EQ(result.kind(), ChangeResult::Case::Changed);
    EXPECT_TRUE(result.message().contains(u"mimeapps.list.unreadable-1"_s)) << result.message().toStdString();
    EXPECT_EQ(XdgTree::readList(u"mimeapps.list.unreadable-1"_s), broken);
    EXPECT_EQ(service.currentDefault(pdf)->bundleID, u"alpha"_s);
}

TEST_F(SystemLaunchServicesTest, ReadingApplicationsFromBadEntries)
{
    const QString dir = XdgTree::applicationsDir(XdgTree::Level::user);
    const QString noName
        = XdgTree::addApp(u"sub/no-name"_s.replace(u'/', u'-'), QString(), {u"text/plain"_s}, XdgTree::Level::user);
    QDir().mkpath(dir + u"/folder.desktop"_s);
    QFile garbage(dir + u"/garbage.desktop"_s);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("\xff\xfe not a key file \x00 at all");
    garbage.close();
    QFile::link(dir + u"/missing-target.desktop"_s, dir + u"/dangling.desktop"_s);
    const QString nested = dir + u"/org/example/Nested.desktop"_s;
    QDir().mkpath(dir + u"/org/example"_s);
    QFile::copy(alpha, nested);
    const QString unicode = XdgTree::addApp(u"éditeur"_s, u"Éditeur de texte"_s, {u"text/plain"_s});
    const QString latin1 = XdgTree::addApp(u"latin"_s, QString(), {u"text/plain"_s}, XdgTree::Level::user);
    QFile latin1File(latin1);
    ASSERT_TRUE(latin1File.open(QIODevice::Append));
    latin1File.write("Name=Caf\xe9\n"); // not UTF-8: GIO would call it "Unnamed"
    latin1File.close();
    build();

    EXPECT_EQ(AppInfo::read(url(noName)), (AppInfo {url(noName), u"sub-no-name"_s, u"sub-no-name"_s}));
    EXPECT_EQ(AppInfo::read(url(dir + u"/folder.desktop"_s)).bundleID, std::nullopt);
    EXPECT_EQ(AppInfo::read(url(dir + u"/garbage.desktop"_s)),
              (AppInfo {url(dir + u"/garbage.desktop"_s), std::nullopt, u"garbage"_s}));
    EXPECT_EQ(AppInfo::read(url(dir + u"/dangling.desktop"_s)).name, u"dangling"_s);
    EXPECT_EQ(AppInfo::read(url(nested)).bundleID, u"org-example-Nested"_s);
    EXPECT_EQ(AppInfo::read(url(unicode)), (AppInfo {url(unicode), u"éditeur"_s, u"Éditeur de texte"_s}));
    EXPECT_EQ(AppInfo::read(QUrl(u"https://example.com/x.desktop"_s)).bundleID, std::nullopt);
    // Outside every applications folder: the file name is its identity, as GIO names it.
    QTemporaryDir elsewhere;
    QFile::copy(alpha, elsewhere.filePath(u"stray.desktop"_s));
    EXPECT_EQ(AppInfo::read(url(elsewhere.filePath(u"stray.desktop"_s))).bundleID, u"stray"_s);

    // None of them breaks a read or a change.
    const TargetState s = service.state(Target::fileExtension(u"txt"_s));
    EXPECT_GE(s.candidates.size(), 2);
    EXPECT_EQ(service.change({pdf, url(dir + u"/folder.desktop"_s)}), ChangeResult::appMissing());
    EXPECT_EQ(service.change({pdf, url(dir + u"/dangling.desktop"_s)}), ChangeResult::appMissing());
    EXPECT_EQ(service.change({pdf, url(dir + u"/garbage.desktop"_s)}), ChangeResult::appMissing());
    EXPECT_EQ(AppInfo::read(url(latin1)).name, u"latin"_s);
    EXPECT_TRUE(
        std::any_of(s.candidates.cbegin(), s.candidates.cend(), [](const AppInfo& a) { return a.name == u"latin"_s; }));

    // Entries that change or go during a session: a new name shows, a deleted default is gone.
    XdgTree::addApp(u"beta"_s, u"Beta Two"_s, {u"application/pdf"_s}, XdgTree::Level::user);
    EXPECT_TRUE(XdgTree::eventually([&] {
        const auto c = service.state(pdf).candidates;
        return std::any_of(c.cbegin(), c.cend(), [](const AppInfo& a) { return a.name == u"Beta Two"_s; });
    }));
    QFile::remove(beta);
    EXPECT_EQ(service.change({pdf, url(beta)}), ChangeResult::appMissing());
    QFile::remove(alpha);
    EXPECT_TRUE(XdgTree::eventually([&] {
        const auto current = service.state(pdf).current;
        return !current || current->url != url(alpha);
    }));
}

TEST_F(SystemLaunchServicesTest, IdentityTableAndLocate)
{
    // Every entry is in place before GIO first looks: a late one would reach it only later.
    const QString code = XdgTree::addApp(u"code"_s, u"Visual Studio Code"_s, {u"application/json"_s});
    XdgTree::addApp(u"vlc"_s, u"VLC"_s, {u"video/mp4"_s});
    const QString vlcFlatpak = XdgTree::addApp(u"org.videolan.VLC"_s, u"VLC"_s, {u"video/mp4"_s});
    XdgTree::addApp(u"Zoom"_s, u"Zoom"_s, {u"x-scheme-handler/zoommtg"_s});
    const QString zoomMine
        = XdgTree::addApp(u"us.zoom.Zoom"_s, u"Zoom"_s, {u"x-scheme-handler/zoommtg"_s}, XdgTree::Level::user);
    XdgTree::addApp(u"google-chrome"_s, u"Chrome"_s, {u"text/html"_s}, XdgTree::Level::user);
    const QString chromeFlatpak = XdgTree::addApp(u"com.google.Chrome"_s, u"Chrome"_s, {u"text/html"_s});
    const QString eog = XdgTree::addApp(u"eog"_s, u"Eye of GNOME"_s, {u"image/png"_s}, XdgTree::Level::user);
    const QString loupe = XdgTree::addApp(u"org.gnome.Loupe"_s, u"Image Viewer"_s, {u"image/png"_s});
    build(u"[Default Applications]\nvideo/mp4=vlc.desktop;\nimage/png=eog.desktop;\n"_s);

    // Two packagings of one program: both listed, and choosing the other one writes it.
    const Target mp4 = Target::fileExtension(u"mp4"_s);
    EXPECT_EQ(service.state(mp4).candidates.size(), 2);
    EXPECT_EQ(service.change({mp4, url(vlcFlatpak)}), ChangeResult::changed());
    EXPECT_EQ(service.currentDefault(mp4)->url, url(vlcFlatpak));
    EXPECT_EQ(AppInfo::read(url(code)).bundleID, u"com.microsoft.VSCode"_s);

    // A desktop-file ID, with or without ".desktop", is that entry; any other name is an
    // identity, found in folder precedence (the user's own folder first).
    const auto located = [&](const QString& name) {
        const auto l = service.locate(name);
        return l ? std::pair(l->app.url, l->exact) : std::pair(QUrl(), false);
    };
    EXPECT_EQ(located(u"com.microsoft.VSCode"_s), std::pair(url(code), false));
    EXPECT_EQ(located(u"code"_s), std::pair(url(code), true));
    EXPECT_EQ(located(u"code.desktop"_s), std::pair(url(code), true));
    EXPECT_EQ(located(u"beta"_s), std::pair(url(beta), true));
    EXPECT_EQ(located(u"com.apple.Preview"_s), std::pair(QUrl(), false));
    EXPECT_EQ(located(u"us.zoom.xos"_s), std::pair(url(zoomMine), false));
    EXPECT_EQ(located(u"com.google.Chrome"_s), std::pair(url(chromeFlatpak), true));

    // A profile entry naming an ID wants that entry; one naming an identity any packaging.
    // Records name the very entry, so that restoring one brings back that packaging.
    const Target png = Target::fileExtension(u"png"_s);
    EXPECT_EQ(service.exactName(url(eog)), u"eog"_s);
    Profile profile;
    profile.entries = {{png, u"org.gnome.Loupe"_s, {}}, {png, u"eog"_s, {}}, {png, u"org.gnome.eog"_s, {}}};
    const auto steps = ProfilePlanner::plan(
        profile, [&](const Target& t) { return service.currentDefault(t); },
        [&](const QString& name) { return service.locate(name); });
    EXPECT_EQ(steps.value(0), PlanStep::change({png, url(loupe)}, service.currentDefault(png), {}));
    EXPECT_EQ(steps.value(1), PlanStep::alreadySet(png));
    EXPECT_EQ(steps.value(2), PlanStep::alreadySet(png));
    const auto candidates = service.state(Target::fileExtension(u"json"_s)).candidates;
    EXPECT_TRUE(std::any_of(candidates.cbegin(), candidates.cend(), [](const AppInfo& a) {
        return a.bundleID == u"com.microsoft.VSCode"_s && a.name == u"Visual Studio Code"_s;
    }));
}

TEST_F(SystemLaunchServicesTest, LocalisedNames)
{
    qputenv("LANGUAGE", "de");
    qputenv("LC_ALL", "de_DE.UTF-8");
    const QString app
        = XdgTree::addApp(u"viewer"_s, u"Viewer"_s, {u"image/png"_s}, XdgTree::Level::user, u"Name[de]=Betrachter\n"_s);
    build();
    EXPECT_EQ(AppInfo::read(url(app)).name, u"Betrachter"_s);
    EXPECT_EQ(service.state(Target::fileExtension(u"png"_s)).candidates.value(0).name, u"Betrachter"_s);
}

// Run as an unprivileged user (root reads and writes regardless of permissions): see
// CMakeLists.txt.
TEST(Unprivileged, ReadOnlyDesktopListDeclinesAndUnreadableEntriesAreHarmless)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root ignores file permissions; this test runs as nobody";
    qputenv("XDG_CURRENT_DESKTOP", "KDE:Budgie Desktop");
    const QStringList types {u"application/pdf"_s, u"x-scheme-handler/http"_s, u"x-scheme-handler/https"_s,
                             u"text/html"_s, u"text/plain"_s};
    const QString alphaPath = XdgTree::addApp(u"alpha"_s, u"Alpha"_s, types);
    const QString beta = XdgTree::addApp(u"beta"_s, u"Beta"_s, types);
    XdgTree::buildCaches();
    const QString kdeList = XdgTree::writeList(
        u"kde-mimeapps.list"_s,
        u"[Default Applications]\napplication/pdf=alpha.desktop;\nx-scheme-handler/http=alpha.desktop;\n"_s);
    ASSERT_TRUE(QFile::setPermissions(kdeList, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    DefaultsService service(std::make_shared<SystemLaunchServices>());
    EXPECT_EQ(service.change({pdf, QUrl::fromLocalFile(beta)}), ChangeResult::declined());
    EXPECT_EQ(service.currentDefault(pdf)->bundleID, u"alpha"_s);
    // The browser moves together or not at all: a locked http keeps https and pages too.
    EXPECT_EQ(service.change({http, QUrl::fromLocalFile(beta)}), ChangeResult::declined());
    EXPECT_FALSE(XdgTree::readList().contains(u"beta"_s));
    // A reset that would have to edit the locked list is refused, naming it, not done around it.
    SystemLaunchServices system;
    const QByteArray lockedList = XdgTree::readList(u"kde-mimeapps.list"_s).toUtf8();
    try {
        system.resetDefault({pdf});
        ADD_FAILURE() << "a reset rewrote a read-only list";
    } catch (const LaunchError& e) {
        EXPECT_TRUE(e.message().contains(kdeList)) << e.message().toStdString();
    }
    EXPECT_EQ(XdgTree::readList(u"kde-mimeapps.list"_s).toUtf8(), lockedList);

    // mimeapps.list a link into a read-only store (Home Manager, stow): a change is refused and
    // the link stays; GIO's own write would replace it with a private copy.
    const QString store = Sandbox::instance().root() + u"/store"_s;
    QDir().mkpath(store);
    const QString userList = Sandbox::instance().configHome() + u"/mimeapps.list"_s;
    const Target md = Target::fileExtension(u"md"_s);
    ASSERT_EQ(service.change({md, QUrl::fromLocalFile(beta)}), ChangeResult::changed());
    QFile::remove(userList);
    {
        QFile file(store + u"/mimeapps.list"_s);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Default Applications]\ntext/markdown=beta.desktop;\n");
    }
    ASSERT_TRUE(QFile::link(store + u"/mimeapps.list"_s, userList));
    ASSERT_TRUE(QFile::setPermissions(store + u"/mimeapps.list"_s, QFile::ReadOwner | QFile::ReadOther));
    const ChangeResult managed = service.change({md, QUrl::fromLocalFile(alphaPath)});
    EXPECT_EQ(managed.kind(), ChangeResult::Case::Failed);
    EXPECT_TRUE(managed.message().contains(userList)) << managed.message().toStdString();
    EXPECT_TRUE(QFileInfo(userList).isSymLink());
    QFile::remove(userList);
    // A locked list of a desktop name GIO ignores keeps nothing.
    const QString ignored = XdgTree::writeList(u"budgie desktop-mimeapps.list"_s,
                                               u"[Default Applications]\ntext/x-csrc=alpha.desktop;\n"_s);
    ASSERT_TRUE(QFile::setPermissions(ignored, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    EXPECT_EQ(service.change({Target::fileExtension(u"c"_s), QUrl::fromLocalFile(beta)}), ChangeResult::changed());

    // Our own list cannot be written: a failure with the system's reason.
    const QString config = Sandbox::instance().configHome();
    ASSERT_TRUE(QFile::setPermissions(config, QFile::ReadOwner | QFile::ExeOwner));
    const ChangeResult refused = service.change({Target::fileExtension(u"txt"_s), QUrl::fromLocalFile(beta)});
    QFile::setPermissions(config, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(refused.kind(), ChangeResult::Case::Failed);
    EXPECT_TRUE(refused.message().contains(u"ermission denied"_s)) << refused.message().toStdString();

    const QString locked = XdgTree::addApp(u"locked"_s, u"Locked"_s, {u"application/pdf"_s}, XdgTree::Level::user);
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::Permissions()));
    EXPECT_EQ(AppInfo::read(QUrl::fromLocalFile(locked)),
              (AppInfo {QUrl::fromLocalFile(locked), std::nullopt, u"locked"_s}));
    EXPECT_EQ(service.change({pdf, QUrl::fromLocalFile(locked)}), ChangeResult::appMissing());
}

// ctest's environment is the second guard after the sandboxing main: it must arrive whole.
TEST(Harness, CtestPointsEveryVariableIntoTheBuildTree)
{
    const auto& original = Sandbox::originalEnvironment();
    if (!original.contains(u"OPENWRIGHT_CTEST"_s))
        GTEST_SKIP() << "not run by ctest";
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_DIRS"})
        EXPECT_TRUE(original.value(QString::fromLatin1(name)).contains(u"unused-home"_s)) << name;
}

} // namespace

// An entry's ID from its file, whether it lies directly in its folder (no path kept) or below it.
TEST(AppFiles, NameTheIdOfAFileInTheFolderOrBelowIt)
{
    gio::AppFiles apps;
    apps.setDir(u"/apps"_s);
    apps.insertDirect(u"a.desktop"_s);
    apps.insert(u"kde-b.desktop"_s, u"/apps/kde/b.desktop"_s);
    EXPECT_EQ(apps.idOf(u"/apps/a.desktop"_s), u"a.desktop"_s);
    EXPECT_EQ(apps.idOf(u"/apps/kde/b.desktop"_s), u"kde-b.desktop"_s);
    EXPECT_EQ(apps.idOf(u"/elsewhere/a.desktop"_s), QString());
}

// The stamp behind the kept states: every edit that can change an answer must change it, and
// nothing else should. The quick stamp the window shows them under moves with every such edit
// but one made in place.
struct StampRow
{
    const char* name;
    std::function<void()> edit;
    std::function<void()> setup = {}; // what the tree holds before the stamp is taken
    bool quickToo = true;
    bool moves = true;
};

class AnswersStamp : public SystemLaunchServicesTest, public ::testing::WithParamInterface<StampRow>
{
};

TEST_P(AnswersStamp, MovesWithEveryInputOfTheAnswers)
{
    if (GetParam().setup)
        GetParam().setup();
    build();
    const auto before = system->answersStamp(), quick = system->quickAnswersStamp();
    ASSERT_TRUE(before.has_value());
    EXPECT_EQ(system->answersStamp(), before) << "nothing changed";
    EXPECT_EQ(system->quickAnswersStamp(), quick);
    const QByteArray desktop = qgetenv("XDG_CURRENT_DESKTOP");
    GetParam().edit();
    EXPECT_EQ(system->answersStamp() != before, GetParam().moves);
    EXPECT_EQ(system->quickAnswersStamp() != quick, GetParam().moves && GetParam().quickToo);
    qputenv("XDG_CURRENT_DESKTOP", desktop);
}

void appendTo(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, AnswersStamp,
    ::testing::Values(
        StampRow {"AnEntryEditedInPlace",
                  [] { appendTo(XdgTree::applicationsDir(XdgTree::Level::system) + u"/alpha.desktop"_s, "X-A=1\n"); },
                  {},
                  false},
        StampRow {"AnEntryAdded", [] { XdgTree::addApp(u"gamma"_s, u"Gamma"_s, {}, XdgTree::Level::user); }},
        StampRow {"AnEntryReplacedAsPackagesDo",
                  [] {
                      const QString alpha = XdgTree::applicationsDir(XdgTree::Level::system) + u"/alpha.desktop"_s;
                      appendTo(alpha + u".new"_s, "[Desktop Entry]\nName=Alpha\n");
                      ASSERT_EQ(::rename(QFile::encodeName(alpha + u".new"_s).constData(), QFile::encodeName(alpha).constData()), 0);
                  }},
        StampRow {"AnEntryRemoved",
                  [] { QFile::remove(XdgTree::applicationsDir(XdgTree::Level::system) + u"/alpha.desktop"_s); }},
        StampRow {"AnEntryInASubfolder",
                  [] {
                      const QString dir = XdgTree::applicationsDir(XdgTree::Level::system) + u"/kde"_s;
                      QDir().mkpath(dir);
                      appendTo(dir + u"/delta.desktop"_s, "[Desktop Entry]\n");
                  }},
        StampRow {"AnEntryAddedToAnExistingSubfolder",
                  [] {
                      appendTo(XdgTree::applicationsDir(XdgTree::Level::system) + u"/kde/delta.desktop"_s,
                               "[Desktop Entry]\n");
                  },
                  [] { QDir().mkpath(XdgTree::applicationsDir(XdgTree::Level::system) + u"/kde"_s); }},
        StampRow {"TheUsersList", [] { XdgTree::writeList(u"mimeapps.list"_s, u"[Default Applications]\n"_s); }},
        // In place: the folder's own times stay, only the list's move.
        StampRow {
            "ADesktopSpecificListEditedInPlace",
            [] { appendTo(Sandbox::instance().configHome() + u"/xfce-mimeapps.list"_s, "text/plain=beta.desktop;\n"); },
            [] { XdgTree::writeList(u"xfce-mimeapps.list"_s, u"[Default Applications]\n"_s); }},
        StampRow {"TheDesktopInUse", [] { qputenv("XDG_CURRENT_DESKTOP", "KDE"); }},
        StampRow {"NotAnotherProgramsSettings",
                  [] { appendTo(Sandbox::instance().configHome() + u"/some-program.conf"_s, "[General]\n"); },
                  {},
                  false,
                  false},
        StampRow {"AnXfceBrowserHelper",
                  [] {
                      const QString dir = QFileInfo(XdgTree::applicationsDir(XdgTree::Level::system)).path()
                          + u"/xfce4/helpers"_s;
                      QDir().mkpath(dir);
                      appendTo(dir + u"/fox.desktop"_s, "[Desktop Entry]\n");
                  }},
        StampRow {"TheMimeDatabase", [] { XdgTree::addMimeTypes({{u"application/x-stamp"_s, u"*.stamp"_s}}); }}),
    [](const auto& info) { return std::string(info.param.name); });
