// SPDX-License-Identifier: GPL-3.0-or-later
// The terminal role: each place a desktop keeps its terminal, read, written and explained
// against the process's throw-away tree (one process per test, as GIO reads XDG once).
#include "DesktopTerminal.h"
#include "DefaultsService.h"
#include "Printers.h"
#include "Sandbox.h"
#include "SystemLaunchServices.h"
#include "XdgTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

using namespace openwright;
using namespace openwright::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const Target terminal = Target::role(u"terminal"_s);

QString writeFile(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
    return path;
}

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// One desktop's way of keeping the terminal. `file` is below XDG_CONFIG_HOME; empty for
// GNOME's GSettings key.
struct TerminalFormatRow
{
    const char* name;
    QByteArray desktop;
    QString file;
    QString namesBirch;
    QStringList afterAsh; // lines the file holds once Ash is chosen: other keys untouched
    QString gone; // what a reset removes
    DecisionStep::Group decides;
};

void PrintTo(const TerminalFormatRow& row, std::ostream* os)
{
    *os << row.name;
}

class TerminalsInstalled : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Three terminals, each running its own program, and one whose program is missing.
        ash = addTerminal(u"org.example.Ash"_s, u"Ash"_s, u"cat"_s);
        birch = addTerminal(u"org.example.Birch"_s, u"Birch"_s, u"sort"_s);
        addTerminal(u"org.example.Gone"_s, u"Gone"_s, u"no-such-terminal-program"_s);
        // Xfce's helpers name programs, not entries.
        writeFile(Sandbox::instance().systemData() + u"/xfce4/helpers/birch.desktop"_s,
                  u"[Desktop Entry]\nType=X-XFCE-Helper\nName=Birch\nX-XFCE-Category=TerminalEmulator\n"
                  u"X-XFCE-Binaries=sort;\nX-XFCE-Commands=sort;\n"_s);
    }

    static QString addTerminal(const QString& id, const QString& name, const QString& exec)
    {
        return writeFile(XdgTree::applicationsDir(XdgTree::Level::system) + u'/' + id + u".desktop"_s,
                         u"[Desktop Entry]\nType=Application\nName=%1\nExec=%2\nCategories=System;TerminalEmulator;\n"_s
                             .arg(name, exec));
    }

    // GNOME's schema, as gsettings-desktop-schemas installs it, in the sandbox's data folder.
    static void installGnomeSchema()
    {
        const QString dir = Sandbox::instance().systemData() + u"/glib-2.0/schemas"_s;
        writeFile(dir + u"/org.gnome.desktop.default-applications.terminal.gschema.xml"_s,
                  u"<schemalist><schema id=\"org.gnome.desktop.default-applications.terminal\" "
                  u"path=\"/org/gnome/desktop/applications/terminal/\">"
                  u"<key name=\"exec\" type=\"s\"><default>'sort'</default></key>"
                  u"<key name=\"exec-arg\" type=\"s\"><default>'-x'</default></key>"
                  u"</schema></schemalist>"_s);
        ASSERT_EQ(QProcess::execute(u"glib-compile-schemas"_s, {dir}), 0);
    }

    QString ash, birch;
    std::shared_ptr<SystemLaunchServices> system = std::make_shared<SystemLaunchServices>();
    DefaultsService service {system};
};

class TerminalFormats : public TerminalsInstalled, public ::testing::WithParamInterface<TerminalFormatRow>
{
};

constexpr QFile::Permissions kAllModeBits = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
    | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

TEST_P(TerminalFormats, RoundTripKeepingOtherKeysAndMode)
{
    const TerminalFormatRow& row = GetParam();
    qputenv("XDG_CURRENT_DESKTOP", row.desktop);
    const QString path = row.file.isEmpty() ? QString() : Sandbox::instance().configHome() + u'/' + row.file;
    if (row.file.isEmpty()) {
        installGnomeSchema();
    } else {
        writeFile(path, row.namesBirch);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    }
    XdgTree::buildCaches();

    // status and why agree on what the desktop's setting says.
    const TargetState before = service.state(terminal);
    ASSERT_TRUE(before.current);
    EXPECT_EQ(before.current->name, u"Birch"_s);
    EXPECT_EQ(before.candidates.size(), 2) << "the terminal whose program is missing is none";
    const DecisionChain why = system->explain(terminal);
    ASSERT_TRUE(why.app && why.decisiveStep());
    EXPECT_EQ(why.app->name, before.current->name);
    EXPECT_EQ(why.decisiveStep()->group, row.decides);
    EXPECT_TRUE(why.summary().startsWith(u"terminal opens in Birch (org.example.Birch.desktop) because"_s))
        << why.summary().toStdString();

    EXPECT_EQ(service.change({terminal, QUrl::fromLocalFile(ash)}), ChangeResult::changed());
    EXPECT_EQ(service.currentDefault(terminal)->name, u"Ash"_s);
    EXPECT_EQ(system->explain(terminal).app->name, u"Ash"_s);
    EXPECT_EQ(service.change({terminal, QUrl::fromLocalFile(ash)}), ChangeResult::alreadyDefault());
    // Every desktop's terminal moves with the lists xdg-terminal-exec reads.
    EXPECT_TRUE(readFile(Sandbox::instance().configHome() + u"/xdg-terminals.list"_s)
                    .contains(u"org.example.Ash.desktop\n"_s));
    if (row.file.isEmpty()) {
        EXPECT_EQ(gio::settingsString(u"org.gnome.desktop.default-applications.terminal"_s, u"exec"_s), u"cat"_s);
        EXPECT_EQ(gio::settingsString(u"org.gnome.desktop.default-applications.terminal"_s, u"exec-arg"_s), u"-x"_s);
    } else {
        for (const QString& line : row.afterAsh)
            EXPECT_TRUE(readFile(path).contains(line)) << readFile(path).toStdString();
        EXPECT_EQ(QFileInfo(path).permissions() & kAllModeBits, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    }

    // Back to the system's choice: the user's lines go, the rest stays.
    EXPECT_EQ(service.change({terminal, QUrl()}), ChangeResult::changed());
    EXPECT_FALSE(system->hasUserChoice(terminal));
    if (!row.file.isEmpty()) {
        EXPECT_FALSE(readFile(path).contains(row.gone)) << readFile(path).toStdString();
        EXPECT_TRUE(readFile(path).contains(row.afterAsh.last())) << readFile(path).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, TerminalFormats,
    ::testing::Values(
        TerminalFormatRow {"XdgTerminalsList", "sway", u"xdg-terminals.list"_s,
                           u"# picked by hand\n+org.example.Ash.desktop\norg.example.Gone.desktop\n"
                           u"org.example.Birch.desktop:new-window\n"_s,
                           {u"# picked by hand\n+org.example.Ash.desktop\norg.example.Ash.desktop\n"_s,
                            u"# picked by hand"_s},
                           u"org.example.Birch"_s, DecisionStep::Group::TerminalList},
        TerminalFormatRow {"DesktopSpecificList", "sway", u"sway-xdg-terminals.list"_s,
                           u"org.example.Birch.desktop\n# fallback\n"_s,
                           {u"org.example.Ash.desktop\norg.example.Birch.desktop\n# fallback\n"_s, u"# fallback"_s}, u"org.example.Birch"_s,
                           DecisionStep::Group::TerminalList},
        TerminalFormatRow {"XfceHelpersRc", "XFCE", u"xfce4/helpers.rc"_s,
                           u"WebBrowser=firefox\nTerminalEmulator=birch\n"_s,
                           {u"TerminalEmulator=custom-TerminalEmulator\n"_s, u"WebBrowser=firefox\n"_s},
                           u"TerminalEmulator"_s, DecisionStep::Group::TerminalSetting},
        TerminalFormatRow {"KdeGlobals", "KDE", u"kdeglobals"_s,
                           u"[General]\nTerminalApplication=sort\nfixed=Hack,10\n\n[KDE]\nx=1\n"_s,
                           {u"TerminalApplication=cat\n"_s, u"TerminalService=org.example.Ash.desktop\n"_s,
                            u"fixed=Hack,10\n"_s, u"[KDE]\nx=1\n"_s},
                           u"Terminal"_s, DecisionStep::Group::TerminalSetting},
        TerminalFormatRow {"GnomeSettings", "GNOME", QString(), QString(), {}, QString(),
                           DecisionStep::Group::TerminalSetting}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TerminalsInstalled, AbsentGnomeSchemaIsNoSetting)
{
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    XdgTree::buildCaches();
    EXPECT_FALSE(gio::settingsString(u"org.gnome.desktop.default-applications.terminal"_s, u"exec"_s));
    // Without lists or a setting, xdg-terminal-exec's choice: the first installed terminal.
    const DecisionChain why = system->explain(terminal);
    ASSERT_TRUE(why.decisiveStep());
    EXPECT_EQ(why.decisiveStep()->group, DecisionStep::Group::InstalledHandlers);
    EXPECT_EQ(service.currentDefault(terminal)->name, why.app->name);
    EXPECT_EQ(service.change({terminal, QUrl::fromLocalFile(birch)}), ChangeResult::changed());
    EXPECT_EQ(service.currentDefault(terminal)->name, u"Birch"_s);
}

// The terminals found are kept, in this process and on disk, only while no applications folder
// changed: one installed later is found.
TEST_F(TerminalsInstalled, ATerminalInstalledLaterIsFound)
{
    XdgTree::buildCaches();
    EXPECT_EQ(service.state(terminal).candidates.size(), 2);
    addTerminal(u"org.example.Cedar"_s, u"Cedar"_s, u"tac"_s);
    XdgTree::buildCaches();
    EXPECT_EQ(service.state(terminal).candidates.size(), 3);
}

// What status shows and what why explains, from readings built by hand: no GIO answer
// decides either of them.
struct ReadingRow
{
    const char* name;
    DesktopTerminal::Desktop desktop;
    std::optional<QString> desktopNames; // the terminal the desktop's setting names; "" for an unknown one
    std::optional<QString> listNames;
    std::optional<QString> status; // what opens, as status shows it
    std::optional<QString> why; // the application why arrives at
    QString note; // a part of why's summary
    DefaultSource source;
};

void PrintTo(const ReadingRow& row, std::ostream* os)
{
    *os << row.name;
}

class TerminalReadings : public ::testing::TestWithParam<ReadingRow>
{
};

gio::App fakeApp(const QString& name)
{
    return {u"/apps/"_s + name + u".desktop"_s, name, name, {}, {}, name.toLower()};
}

TEST_P(TerminalReadings, StatusAndWhyAgree)
{
    const ReadingRow& row = GetParam();
    DesktopTerminal::Reading reading;
    reading.desktop = row.desktop;
    reading.candidates = {fakeApp(u"Xterm"_s), fakeApp(u"Konsole"_s), fakeApp(u"Kitty"_s)};
    TerminalSource userList;
    userList.file = u"/home/me/.config/xdg-terminals.list"_s;
    userList.users = true;
    if (row.listNames) {
        userList.line = 1;
        userList.listed = {*row.listNames + u".desktop"_s};
        userList.app = fakeApp(*row.listNames);
    }
    reading.lists = {userList};
    if (row.desktopNames) {
        TerminalSource setting;
        setting.kind = TerminalSource::Kind::desktop;
        setting.file = u"/home/me/.config/kdeglobals"_s;
        setting.line = 2;
        setting.key = u"TerminalService"_s;
        setting.listed = {row.desktopNames->isEmpty() ? u"nowhere.desktop"_s : *row.desktopNames + u".desktop"_s};
        if (!row.desktopNames->isEmpty())
            setting.app = fakeApp(*row.desktopNames);
        reading.desktopSetting = setting;
    }

    const auto status = reading.current();
    const DecisionChain why = DesktopTerminal::explain(terminal, reading);
    EXPECT_EQ(status ? std::optional(status->name) : std::nullopt, row.status);
    EXPECT_EQ(why.app ? std::optional(why.app->name) : std::nullopt, row.why);
    EXPECT_EQ(reading.split(), status.has_value() != why.app.has_value() || (status && status->name != why.app->name));
    EXPECT_TRUE(why.summary().contains(row.note)) << why.summary().toStdString();
    EXPECT_EQ(reading.source(), row.source);
}

using D = DesktopTerminal::Desktop;
using enum DefaultSource;
INSTANTIATE_TEST_SUITE_P(
    Rows, TerminalReadings,
    ::testing::Values(
        ReadingRow {"nothing_set_first_installed", D::none, {}, {}, u"Xterm"_s, u"Xterm"_s, u"first installed"_s, system},
        ReadingRow {"list_decides", D::none, {}, u"Kitty"_s, u"Kitty"_s, u"Kitty"_s, u"names it first"_s, user},
        ReadingRow {"desktop_decides", D::kde, u"Konsole"_s, {}, u"Konsole"_s, u"Konsole"_s, u"sets TerminalService"_s, desktop},
        ReadingRow {"desktop_and_list_agree", D::xfce, u"Kitty"_s, u"Kitty"_s, u"Kitty"_s, u"Kitty"_s,
                    u"sets TerminalService"_s, user},
        ReadingRow {"split", D::kde, u"Konsole"_s, u"Kitty"_s, {}, u"Konsole"_s, u"xdg-terminal-exec starts Kitty"_s, user},
        ReadingRow {"desktop_names_nothing_installed", D::gnome, u""_s, {}, {}, {}, u"Nothing opens terminal"_s, notSet}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
