// SPDX-License-Identifier: GPL-3.0-or-later
// The command line as users run it: the real executable, a process per command, inside a
// sample desktop of its own per test (scripts/sample-desktop.sh; HOME and every XDG_* variable
// from its env.sh).
#include "Command.h"
#include "FakeNotificationServer.h"
#include "Launch.h"
#include "ModelFakes.h"
#include "Output.h"
#include "Printers.h"
#include "PrivateBus.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <tuple>
#include <vector>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;
using openwright::test::spinUntil;

namespace {

constexpr QByteArrayView kReadingExport
    = R"({"format":"openwright.profiles","version":1,"profiles":[{"id":"X","name":"Reading",
        "summary":"","symbol":"book","kind":"preset","createdAt":"2025-03-01T09:30:00Z",
        "entries":[{"target":".pdf","bundleID":"org.kde.okular","appName":"Okular"}]}]})";

struct Outcome
{
    int status = -1;
    QString out;
    QString err;
};

class CliTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QProcess shell;
        shell.start(u"bash"_s,
                    {u"-c"_s, uR"(bash "$0" "$1" >/dev/null && . "$1/env.sh" && env -0)"_s,
                     QStringLiteral(OPENWRIGHT_SAMPLE_DESKTOP), m_root.path()});
        ASSERT_TRUE(shell.waitForFinished(60'000));
        ASSERT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
        for (const QByteArray& entry : shell.readAllStandardOutput().split('\0')) {
            const qsizetype eq = entry.indexOf('=');
            if (eq > 0)
                m_env.insert(QString::fromUtf8(entry.left(eq)), QString::fromUtf8(entry.mid(eq + 1)));
        }
        ASSERT_TRUE(m_env.value(u"HOME"_s).startsWith(m_root.path()));
    }

    Outcome run(const QStringList& args, const QString& program = QStringLiteral(OPENWRIGHT_CLI)) const
    {
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.setWorkingDirectory(m_root.path());
        p.start(program, args);
        Outcome r;
        // The event loop runs meanwhile: a command may call on a fake server of this process.
        try {
            spinUntil([&] { return p.state() == QProcess::NotRunning; }, 30'000);
        } catch (const std::runtime_error&) {
            return r;
        }
        r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    QJsonObject json(const QStringList& args) const
    {
        const Outcome r = run(args + QStringList {u"--json"_s});
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        return QJsonDocument::fromJson(r.out.toUtf8()).object();
    }

    // The desktop-file ID of the application that opens `target` now.
    QString current(const QString& target) const
    {
        return json({u"status"_s, target})[u"types"_s][0][u"app"_s][u"desktopId"_s].toString();
    }

    QString home(const QString& path) const { return m_env.value(u"HOME"_s) + u'/' + path; }
    QString dataFile(const QString& name) const { return m_env.value(u"XDG_DATA_HOME"_s) + u"/Openwright/"_s + name; }

    QTemporaryDir m_root;
    QProcessEnvironment m_env;
};

// Status, why and set for one type of each kind of decision the sample desktop holds.
struct DecisionRow
{
    const char* name;
    QString target;
    QString before; // desktop-file ID
    QString decidedBy; // in the explanation's first line
    QString app; // as given to set
    QString after;
    QString decidedAfter;
};

void PrintTo(const DecisionRow& row, std::ostream* os)
{
    *os << row.name;
}

class Decisions : public CliTest, public ::testing::WithParamInterface<DecisionRow>
{
};

TEST_P(Decisions, StatusWhyAndSetAgree)
{
    const DecisionRow& row = GetParam();
    EXPECT_EQ(current(row.target), row.before);
    const Outcome why = run({u"why"_s, row.target});
    EXPECT_EQ(why.status, 0);
    EXPECT_TRUE(why.out.section(u'\n', 0, 0).contains(row.decidedBy)) << why.out.toStdString();
    EXPECT_TRUE(why.out.contains(u"Where the system looks, in its order:"_s));
    EXPECT_TRUE(
        why.out.contains(u"\nXDG_CURRENT_DESKTOP names gnome, so the system also reads gnome-mimeapps.list in each "
                         u"folder; it found ~/.config/gnome-mimeapps.list.\n"_s))
        << why.out.toStdString();

    const Outcome set = run({u"set"_s, row.target, row.app});
    EXPECT_EQ(set.status, 0) << set.err.toStdString();
    EXPECT_TRUE(set.out.startsWith(u"Changed\n"_s)) << set.out.toStdString();
    EXPECT_EQ(current(row.target), row.after);
    EXPECT_TRUE(run({u"why"_s, row.target}).out.section(u'\n', 0, 0).contains(row.decidedAfter));
}

INSTANTIATE_TEST_SUITE_P(
    SampleDesktop, Decisions,
    ::testing::Values(
        DecisionRow {"desktop_list", u".png"_s, u"org.gnome.Loupe.desktop"_s,
                     u"because ~/.config/gnome-mimeapps.list line 4 sets it for image/png"_s, u"gimp"_s,
                     u"gimp.desktop"_s, u"because ~/.config/gnome-mimeapps.list line"_s},
        DecisionRow {"user_list", u".pdf"_s, u"org.gnome.Evince.desktop"_s,
                     u"because ~/.config/mimeapps.list line 9 sets it for application/pdf"_s, u"Okular"_s,
                     u"org.kde.okular.desktop"_s,
                     u"opens in Okular (org.kde.okular.desktop) because ~/.config/mimeapps.list line"_s},
        DecisionRow {"system_list", u".epub"_s, u"calibre-ebook-viewer.desktop"_s,
                     u"etc/xdg/mimeapps.list line 4 sets it for application/epub+zip"_s, u"org.kde.okular.desktop"_s,
                     u"org.kde.okular.desktop"_s, u"because ~/.config/mimeapps.list line"_s},
        DecisionRow {"no_list", u".mp3"_s, u"org.videolan.VLC.desktop"_s,
                     u"because no list sets an installed default and it is the first installed application"_s,
                     u"VLC media player"_s, u"vlc.desktop"_s, u"because ~/.config/mimeapps.list line"_s}),
    [](const auto& info) { return std::string(info.param.name); });

// KDE and Xfce keep a browser setting of their own: naming another browser than the lists is a
// split, explained with the desktop's step, also once our own change wrote it.
struct DesktopSettingRow
{
    const char* name;
    QString desktop;
    QString file; // below ~/.config
    QString text; // naming Google Chrome
};

void PrintTo(const DesktopSettingRow& row, std::ostream* os)
{
    *os << row.name;
}

class DesktopSetting : public CliTest, public ::testing::WithParamInterface<DesktopSettingRow>
{
};

TEST_P(DesktopSetting, SplitsTheBrowserAndIsExplained)
{
    const DesktopSettingRow& row = GetParam();
    m_env.insert(u"XDG_CURRENT_DESKTOP"_s, row.desktop);
    QDir().mkpath(QFileInfo(home(u".config/"_s + row.file)).path());
    QFile file(home(u".config/"_s + row.file));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(row.text.toUtf8());
    file.close();

    EXPECT_TRUE(json({u"status"_s, u"http:"_s})[u"types"_s][0][u"app"_s].isNull());
    EXPECT_EQ(run({u"check"_s, u"http:"_s, u"firefox"_s}).status, 1);
    const QString health = run({u"health"_s}).out;
    EXPECT_TRUE(health.contains(u"Split between browsers: Firefox opens x-scheme-handler/http"_s)
                && health.contains(u"Google Chrome opens "_s))
        << health.toStdString();
    // As the desktop left it, and once our own change wrote it.
    for (const bool ours : {false, true}) {
        if (ours) {
            ASSERT_EQ(run({u"set"_s, u"http:"_s, u"firefox"_s}).status, 0);
        }
        const Outcome why = run({u"why"_s, u"http:"_s, u"--json"_s});
        ASSERT_EQ(why.status, 0) << ours << why.err.toStdString();
        const QJsonObject o = QJsonDocument::fromJson(why.out.toUtf8()).object();
        EXPECT_EQ(o[u"steps"_s][0][u"group"_s].toString(), u"desktopSetting"_s) << ours;
    }
    EXPECT_EQ(run({u"check"_s, u"http:"_s, u"firefox"_s}).status, 0);
    // An order of the browser's apps moves the desktop's setting with its first, as set does.
    ASSERT_EQ(run({u"reorder"_s, u"http:"_s, u"google-chrome"_s, u"firefox"_s}).status, 0);
    EXPECT_EQ(run({u"check"_s, u"http:"_s, u"google-chrome"_s}).status, 0);
    EXPECT_FALSE(run({u"health"_s}).out.contains(u"Split between browsers"_s));
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, DesktopSetting,
    ::testing::Values(DesktopSettingRow {"KDE", u"KDE"_s, u"kdeglobals"_s,
                                         u"[General]\nBrowserApplication=google-chrome.desktop\n"_s},
                      DesktopSettingRow {"Xfce", u"XFCE"_s, u"xfce4/helpers.rc"_s, u"WebBrowser=google-chrome\n"_s}),
    [](const auto& info) { return std::string(info.param.name); });

// A desktop setting that names no installed browser is explained, and nothing else is said.
TEST_F(CliTest, ABrowserSettingNamingNothingInstalledIsExplainedQuietly)
{
    for (const auto& [desktop, file, text] :
         {std::tuple {u"KDE"_s, u"kdeglobals"_s, "[General]\nBrowserApplication=nothing.desktop\n"},
          std::tuple {u"XFCE"_s, u"xfce4/helpers.rc"_s, "WebBrowser=nothing\n"}}) {
        m_env.insert(u"XDG_CURRENT_DESKTOP"_s, desktop);
        QDir().mkpath(QFileInfo(home(u".config/"_s + file)).path());
        QFile setting(home(u".config/"_s + file));
        ASSERT_TRUE(setting.open(QIODevice::WriteOnly));
        setting.write(text);
        setting.close();
        const Outcome why = run({u"why"_s, u"http:"_s});
        EXPECT_EQ(why.status, 0) << desktop.toStdString();
        EXPECT_TRUE(
            why.out.contains(u", which no installed application matches: links that desktop opens may not open"_s))
            << why.out.toStdString();
        EXPECT_EQ(why.err, QString()) << desktop.toStdString();
    }
}

// Debian's Xfce ships WebBrowser=debian-sensible-browser (in /etc/xdg): a helper that starts
// sensible-browser, which starts $BROWSER, else the x-www-browser alternative.
struct SensibleBrowserRow
{
    const char* name;
    QStringList links; // x-www-browser's way to the program, below the sample's root; empty for none
    QString browserVariable;
    QString opens; // the application's name; empty for none
};

void PrintTo(const SensibleBrowserRow& row, std::ostream* os)
{
    *os << row.name;
}

class SensibleBrowser : public CliTest, public ::testing::WithParamInterface<SensibleBrowserRow>
{
};

TEST_P(SensibleBrowser, IsTheBrowserTheAlternativeNames)
{
    const SensibleBrowserRow& row = GetParam();
    const QString root = m_root.path();
    m_env.insert(u"XDG_CURRENT_DESKTOP"_s, u"XFCE"_s);
    // The sample's programs alone: the machine's own x-www-browser is never looked at.
    m_env.insert(u"PATH"_s, root + u"/bin"_s);
    m_env.remove(u"BROWSER"_s);
    if (!row.browserVariable.isEmpty())
        m_env.insert(u"BROWSER"_s, row.browserVariable);
    const auto write = [](const QString& path, const QByteArray& text) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write(root + u"/etc/xdg/xfce4/helpers.rc"_s, "WebBrowser=debian-sensible-browser\n");
    write(root + u"/usr/share/xfce4/helpers/debian-sensible-browser.desktop"_s,
          "[Desktop Entry]\nNoDisplay=true\nVersion=1.0\nType=X-XFCE-Helper\nX-XFCE-Category=WebBrowser\n"
          "X-XFCE-Commands=sensible-browser\nX-XFCE-CommandsWithParameter=sensible-browser \"%s\"\n"
          "Icon=debian-logo\nName=Debian Sensible Browser\n");
    // bin/x-www-browser -> etc/alternatives/x-www-browser -> … -> the program, as update-alternatives
    // leaves them in /usr/bin and /etc.
    QString from = root + u"/bin/x-www-browser"_s;
    for (const QString& link : row.links) {
        QDir().mkpath(QFileInfo(root + link).path());
        ASSERT_TRUE(QFile::link(root + link, from)) << from.toStdString();
        from = root + link;
    }
    if (!QFileInfo::exists(from) && !row.links.isEmpty()) {
        write(from, "#!/bin/sh\n");
        QFile::setPermissions(from, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    const Outcome why = run({u"why"_s, u"http:"_s});
    ASSERT_EQ(why.status, 0) << why.err.toStdString();
    EXPECT_EQ(why.err, QString());
    const QString setting = row.opens.isEmpty()
        ? u"names debian-sensible-browser, which no installed application matches"_s
        : u"names debian-sensible-browser (Xfce's Debian browser, which starts "_s + row.opens
            + u"): links that desktop opens go to "_s + row.opens;
    EXPECT_TRUE(why.out.contains(setting)) << why.out.toStdString();
    // The lists name Firefox: any other browser of the desktop's splits it.
    const QJsonValue app = json({u"status"_s, u"http:"_s})[u"types"_s][0][u"app"_s];
    EXPECT_EQ(app[u"name"_s].toString(), row.opens == u"Firefox"_s ? row.opens : QString());

    // Choosing a browser never names the helper that follows the alternative.
    ASSERT_EQ(run({u"set"_s, u"http:"_s, u"google-chrome"_s}).status, 0);
    QFile users(home(u".config/xfce4/helpers.rc"_s));
    ASSERT_TRUE(users.open(QIODevice::ReadOnly));
    EXPECT_EQ(users.readAll(), "WebBrowser=custom-WebBrowser\n");
}

INSTANTIATE_TEST_SUITE_P(
    Alternatives, SensibleBrowser,
    ::testing::Values(
        SensibleBrowserRow {"alternative", {u"/etc/alternatives/x-www-browser"_s, u"/bin/firefox"_s}, {}, u"Firefox"_s},
        SensibleBrowserRow {"through_links",
                            {u"/etc/alternatives/x-www-browser"_s, u"/usr/bin/google-chrome"_s,
                             u"/etc/alternatives/google-chrome"_s, u"/opt/google/chrome/google-chrome-stable"_s},
                            {},
                            u"Google Chrome"_s},
        SensibleBrowserRow {"browser_variable",
                            {u"/etc/alternatives/x-www-browser"_s, u"/bin/firefox"_s},
                            u"google-chrome-stable %s:firefox"_s,
                            u"Google Chrome"_s},
        SensibleBrowserRow {"unknown_program", {u"/etc/alternatives/x-www-browser"_s, u"/usr/bin/lynx"_s}, {}, {}},
        SensibleBrowserRow {"no_alternative", {}, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// Exit statuses and the one line that says what was wrong.
struct ExitRow
{
    const char* name;
    QStringList args;
    int status;
    QString text; // in stdout for status 0, else in stderr
};

void PrintTo(const ExitRow& row, std::ostream* os)
{
    *os << row.name;
}

class ExitStatus : public CliTest, public ::testing::WithParamInterface<ExitRow>
{
};

TEST_P(ExitStatus, AsTabled)
{
    const ExitRow& row = GetParam();
    const Outcome r = run(row.args);
    EXPECT_EQ(r.status, row.status) << r.err.toStdString();
    const QString& stream = row.status == 0 ? r.out : r.err;
    EXPECT_TRUE(stream.contains(row.text)) << stream.toStdString();
    if (row.status == 2) {
        EXPECT_EQ(r.err.count(u'\n'), 1) << "one line: " << r.err.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitStatus,
    ::testing::Values(
        ExitRow {"unknown_command", {u"frobnicate"_s}, 2, u"\u201Cfrobnicate\u201D is not a command"_s},
        ExitRow {"group_without_command", {u"guard"_s}, 2, u"guard needs one of: check, log."_s},
        ExitRow {"unknown_option", {u"status"_s, u"--all"_s}, 2, u"--all is not an option of status"_s},
        ExitRow {"unknown_option_first", {u"--verbose"_s, u"status"_s}, 2, u"--verbose is not an option of status"_s},
        // Never the window: an option alone that is not the application's is a usage error.
        ExitRow {"unknown_option_alone", {u"-V"_s}, 2, u"-V is not an option."_s},
        ExitRow {"missing_argument",
                 {u"set"_s, u".pdf"_s},
                 2,
                 u"APP is missing. Usage: openwright set [--force] TARGET... APP"_s},
        ExitRow {"not_a_type",
                 {u"why"_s, u"tar.gz"_s},
                 2,
                 u"tar.gz: That is not a type. Expected an extension (.pdf or pdf), a link type (mailto:), a MIME "
                 u"type (application/pdf) or a file (./report.pdf)."_s},
        // Types as scripts name them: aliases through the MIME database, files by what they hold.
        ExitRow {"mime_alias", {u"check"_s, u"application/x-pdf"_s, u"org.gnome.Evince"_s}, 0, u"yes\n"_s},
        ExitRow {"scheme_handler_type", {u"status"_s, u"x-scheme-handler/mailto"_s}, 0, u"mailto:  "_s},
        // The system matches types by their exact spelling: the database's is taken.
        ExitRow {"mime_type_in_another_case", {u"check"_s, u"Application/PDF"_s, u"org.gnome.Evince"_s}, 0, u"yes\n"_s},
        ExitRow {"mime_type_keeps_its_case",
                 {u"status"_s, u"application/vnd.ms-excel.sheet.macroEnabled.12"_s},
                 0,
                 u"application/vnd.ms-excel.sheet.macroEnabled.12  "_s},
        ExitRow {"unknown_mime_type",
                 {u"status"_s, u"application/x-no-such-type"_s},
                 2,
                 u"application/x-no-such-type: The system knows no such MIME type."_s},
        ExitRow {"start_of_a_mime_type",
                 {u"status"_s, u"application/pd"_s},
                 2,
                 u"application/pd: The system knows no such MIME type."_s},
        ExitRow {"file_by_contents", {u"status"_s, u"./env.sh"_s}, 0, u"application/x-shellscript"_s},
        ExitRow {"folder", {u"status"_s, u"~"_s}, 0, u"inode/directory"_s},
        ExitRow {"file_in_home", {u"status"_s, u"~/.config/mimeapps.list"_s}, 0, u"text/plain  Text Editor"_s},
        ExitRow {
            "missing_file", {u"status"_s, u"./report.pdf"_s}, 2, u"./report.pdf: There is no such file or folder."_s},
        ExitRow {"undeclared_app",
                 {u"set"_s, u".png"_s, u".pdf"_s, u"vlc"_s},
                 2,
                 u"VLC media player (vlc.desktop) does not say it can open .png (image/png). Add --force"_s},
        ExitRow {"forced_app", {u"set"_s, u"--force"_s, u".pdf"_s, u"vlc"_s}, 0, u"Changed\n"_s},
        ExitRow {"nothing_to_reset", {u"reset"_s, u".mp3"_s}, 0, u".mp3  Already the system default  "_s},
        ExitRow {"profile_by_id_prefix", {u"profile"_s, u"plan"_s, u"preset.wo"_s}, 0, u"mailto:"_s},
        ExitRow {
            "unknown_type", {u"status"_s, u".xyz"_s}, 2, u"openwright: The system doesn't recognise .xyz files\n"_s},
        ExitRow {"unknown_app",
                 {u"set"_s, u".pdf"_s, u"Preview"_s},
                 2,
                 u"There is no installed application called \u201CPreview\u201D. Apps that can open .pdf: "_s},
        ExitRow {"ambiguous_app",
                 {u"set"_s, u".mp4"_s, u"v"_s},
                 2,
                 u"\u201Cv\u201D could be Videos (org.gnome.Totem.desktop), VLC (org.videolan.VLC.desktop), "
                 u"VLC media player (vlc.desktop)."_s},
        ExitRow {"unknown_profile", {u"profile"_s, u"apply"_s, u"Gaming"_s}, 2, u"There is no profile called"_s},
        ExitRow {"pin_unlisted_type", {u"pin"_s, u".tar"_s}, 2, u".tar is not one of them"_s},
        ExitRow {"pin_keep", {u"pin"_s, u"--keep"_s, u".pdf"_s}, 0, u".pdf is pinned and always kept"_s},
        // The association the sample's list adds for Atom, not only its default line.
        ExitRow {"doctor_finds_lines_of_uninstalled_apps",
                 {u"doctor"_s},
                 0,
                 u"Line 25 of ~/.config/mimeapps.list names atom.desktop for text/markdown, which is no longer "
                 u"installed."_s},
        ExitRow {"import_not_an_export",
                 {u"profile"_s, u"import"_s, u"env.sh"_s},
                 1,
                 u"That file isn't an Openwright profile export."_s},
        ExitRow {"import_missing_file", {u"profile"_s, u"import"_s, u"nothing.json"_s}, 1, u"There is no file at "_s},
        ExitRow {"import_a_device", {u"profile"_s, u"import"_s, u"/dev/zero"_s}, 1, u"is not a regular file."_s},
        ExitRow {"already_the_default", {u"set"_s, u"mailto:"_s, u"thunderbird"_s}, 0, u"Already the default"_s},
        // No list names an .mp3 default: what the system falls back to is written when chosen.
        ExitRow {"fallback_is_written", {u"set"_s, u".mp3"_s, u"org.videolan.VLC.desktop"_s}, 0, u"Changed\n"_s},
        // For scripts, the answer is the exit status ("no" goes to standard output).
        ExitRow {"check_yes", {u"check"_s, u"mailto:"_s, u"thunderbird.desktop"_s}, 0, u"yes\n"_s},
        ExitRow {"check_no", {u"check"_s, u".pdf"_s, u"org.kde.okular"_s}, 1, {}},
        // Atom was uninstalled and the user's list still names it: what opens now, and why not Atom.
        ExitRow {"removed_default",
                 {u"status"_s, u".md"_s},
                 0,
                 u"Okular  org.kde.okular.desktop  Chosen by the system\n"
                 u"                           Set to atom, which is no longer installed. Okular opens it for now.\n"_s},
        // The order the system offers, changed and shown; a removal listed after it.
        ExitRow {"reorder", {u"reorder"_s, u".pdf"_s, u"okular"_s, u"evince"_s}, 0, u"Changed\n.pdf\n  1  Okular  "_s},
        ExitRow {"remove_association", {u"remove"_s, u".pdf"_s, u"firefox"_s}, 0, u"  removed  firefox.desktop\n"_s},
        // GNOME's own list names PNG's default, and outranks the user's: it takes the order too.
        ExitRow {"reorder_desktop_list",
                 {u"reorder"_s, u".png"_s, u"gimp"_s, u"org.gnome.Loupe"_s},
                 0,
                 u"Changed\n.png\n  1  GNU Image Manipulation Program  gimp.desktop             default\n"_s},
        ExitRow {"removed_default_health",
                 {u"health"_s},
                 0,
                 u"Markdown Files (.md)         Set to atom, which is no longer installed.\n"_s},
        // An identity: the entry of the program that this system has.
        ExitRow {"browser_moves_together",
                 {u"set"_s, u"http:"_s, u"com.google.Chrome"_s},
                 0,
                 u"Changed\nhttp:                  Google Chrome  google-chrome.desktop\n"
                 u"https:                 Google Chrome  google-chrome.desktop\n"
                 u".html                  Google Chrome  google-chrome.desktop\n"
                 u".htm                   Google Chrome  google-chrome.desktop\n"
                 u"application/xhtml+xml  Google Chrome  google-chrome.desktop\n"
                 u"about:                 Google Chrome  google-chrome.desktop\n"
                 u"unknown:               Google Chrome  google-chrome.desktop\n"_s},
        // A family: the types the application declares there, and only those.
        ExitRow {"family", {u"set"_s, u"video/*"_s, u"mpv"_s}, 0, u"video/x-matroska  Already set\n"_s},
        ExitRow {"family_all", {u"set"_s, u"--all"_s, u"mpv"_s}, 0, u"14 of 14 changed."_s},
        ExitRow {"family_none_declared",
                 {u"set"_s, u"text/*"_s, u"mpv"_s},
                 1,
                 u"mpv Media Player declares no text & code types: nothing to change."_s},
        ExitRow {"app", {u"app"_s, u"mpv"_s}, 0, u"Declares 15 types; the default for 1 of them."_s},
        ExitRow {"help", {u"set"_s, u"--help"_s}, 0, u"Usage: openwright set [--force] TARGET... APP [--json]"_s},
        ExitRow {"version", {u"--version"_s}, 0, u"openwright 0.1.0"_s}),
    [](const auto& info) { return std::string(info.param.name); });

// "Use for All" changes the types the entry declares that files have, by their system names,
// and names every type that moved with them: those with no default of their own follow their
// parent type's.
TEST_F(CliTest, UseForAllChangesOnlyRealDeclaredTypesAndNamesWhatMovedWithThem)
{
    const QString apps = home(u".local/share/applications"_s);
    QFile entry(apps + u"/viewer.desktop"_s);
    ASSERT_TRUE(QDir().mkpath(apps) && entry.open(QIODevice::WriteOnly));
    entry.write(
        "[Desktop Entry]\nType=Application\nName=Viewer\nExec=loupe %U\nMimeType=Text/Plain;image/jpg;image/png;\n");
    entry.close();
    ASSERT_EQ(QProcess::execute(u"update-desktop-database"_s, {u"-q"_s, apps}), 0);
    ASSERT_EQ(current(u"text/x-kotlin"_s), u"org.gnome.TextEditor.desktop"_s);

    const Outcome all = run({u"set"_s, u"--all"_s, u"viewer"_s});
    EXPECT_EQ(all.status, 0) << all.err.toStdString();
    EXPECT_FALSE(all.out.contains(u"image/jpg"_s) || all.out.contains(u"Text/Plain"_s)) << all.out.toStdString();
    EXPECT_TRUE(all.out.contains(QRegularExpression(u"^text/plain .*Changed$"_s, QRegularExpression::MultilineOption)))
        << all.out.toStdString();
    EXPECT_TRUE(all.out.contains(QRegularExpression(u"^text/x-kotlin +.* \u2192 Viewer +viewer.desktop$"_s,
                                                    QRegularExpression::MultilineOption)))
        << all.out.toStdString();
    EXPECT_EQ(current(u"text/x-kotlin"_s), u"viewer.desktop"_s);
    // A type with a default of its own stays, and is not named.
    EXPECT_EQ(current(u"text/x-python"_s), u"code.desktop"_s);
    EXPECT_FALSE(all.out.contains(u"text/x-python"_s));

    // A browser that does not declare about: and unknown: leaves them alone.
    const QString about = current(u"about:"_s);
    const Outcome chrome = run({u"set"_s, u"--all"_s, u"google-chrome"_s});
    EXPECT_EQ(chrome.status, 0) << chrome.err.toStdString();
    EXPECT_FALSE(chrome.out.contains(u"about:"_s) || chrome.out.contains(u"unknown:"_s)) << chrome.out.toStdString();
    EXPECT_EQ(current(u"about:"_s), about);
    EXPECT_EQ(current(u"http:"_s), u"google-chrome.desktop"_s);

    // One that declares plain links alone gets those, and the browser keeps the rest.
    QFile links(apps + u"/links.desktop"_s);
    ASSERT_TRUE(links.open(QIODevice::WriteOnly));
    links.write(
        "[Desktop Entry]\nType=Application\nName=Link Opener\nExec=loupe %u\nMimeType=x-scheme-handler/http;\n");
    links.close();
    ASSERT_EQ(QProcess::execute(u"update-desktop-database"_s, {u"-q"_s, apps}), 0);
    const Outcome only = run({u"set"_s, u"--all"_s, u"links"_s});
    EXPECT_EQ(only.status, 0) << only.err.toStdString();
    EXPECT_EQ(only.out, u"x-scheme-handler/http  Google Chrome \u2192 Link Opener  Changed\n1 of 1 changed.\n"_s);
    for (const QString& kept : {u"https:"_s, u".html"_s, u"application/xhtml+xml"_s, u"about:"_s})
        EXPECT_EQ(current(kept), kept == u"about:"_s ? about : u"google-chrome.desktop"_s) << kept.toStdString();
}

// An entry the system opens files in is found by its name, and a name finds one entry.
TEST_F(CliTest, AHiddenEntryTheSystemUsesIsFoundAndANameMeansOneEntry)
{
    const QString apps = home(u".local/share/applications"_s);
    ASSERT_TRUE(QDir().mkpath(apps));
    const auto write = [&](const QString& name, const QByteArray& text) {
        QFile file(apps + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Desktop Entry]\nType=Application\n" + text);
    };
    // A hidden user copy of the PDF default: the lists still open PDFs in it.
    write(u"org.gnome.Evince.desktop"_s, "Name=Document Viewer\nExec=evince %U\nHidden=true\n");
    // Telegram's own entry beside its Flatpak: org.telegram.desktop is one's ID, the other's file.
    write(u"org.telegram.desktop"_s, "Name=Telegram\nExec=loupe %u\nMimeType=x-scheme-handler/tg;\n");
    ASSERT_EQ(QProcess::execute(u"update-desktop-database"_s, {u"-q"_s, apps}), 0);

    const Outcome check = run({u"check"_s, u".pdf"_s, u"org.gnome.Evince"_s});
    EXPECT_EQ(check.status, 0) << check.err.toStdString();
    EXPECT_EQ(check.out, u"yes\n"_s);
    EXPECT_TRUE(run({u"set"_s, u".pdf"_s, u"org.gnome.Evince"_s}).out.startsWith(u"Already the default\n"_s));

    const Outcome tg = run({u"set"_s, u"tg:"_s, u"org.telegram.desktop"_s});
    EXPECT_EQ(tg.status, 2);
    EXPECT_TRUE(tg.err.contains(u"(org.telegram.desktop.desktop)"_s) && tg.err.contains(u"(org.telegram)"_s))
        << tg.err.toStdString();
    EXPECT_EQ(current(u"tg:"_s), u"org.telegram.desktop.desktop"_s);

    // GLib's warnings (here: associations in a desktop's list, which it ignores) are not a
    // command's to print.
    QFile gnome(home(u".config/gnome-mimeapps.list"_s));
    ASSERT_TRUE(gnome.open(QIODevice::Append));
    gnome.write("[Added Associations]\nimage/png=gimp.desktop;\n");
    gnome.close();
    const Outcome status = run({u"status"_s, u".png"_s});
    EXPECT_EQ(status.status, 0);
    EXPECT_EQ(status.err, QString());
}

// Scripts read JSON: errors come as a document too, and nothing is escaped that need not be.
TEST_F(CliTest, JsonForScripts)
{
    const Outcome bad = run({u"why"_s, u"tar.gz"_s, u"--json"_s});
    EXPECT_EQ(bad.status, 2);
    const QJsonObject error = QJsonDocument::fromJson(bad.out.toUtf8()).object();
    EXPECT_EQ(error[u"status"_s].toInt(), 2);
    EXPECT_TRUE(error[u"error"_s].toString().startsWith(u"tar.gz: That is not a type."_s)) << bad.out.toStdString();
    const Outcome folders = run({u"status"_s, u"inode/directory"_s, u"--json"_s});
    EXPECT_EQ(folders.status, 0) << folders.err.toStdString();
    EXPECT_TRUE(folders.out.contains(u"\"inode/directory\""_s)) << folders.out.toStdString();
    EXPECT_FALSE(folders.out.contains(u"\\/"_s));
    QStringList groups;
    for (const QJsonValue& t : json({u"status"_s, u".pdf"_s, u".png"_s})[u"types"_s].toArray())
        groups.append(t[u"group"_s].toString());
    EXPECT_EQ(groups, (QStringList {u"document"_s, u"media"_s}));
    // The user's list adds Visual Studio Code for JSON, and here removes Vim: each step in its group.
    QFile list(home(u".config/mimeapps.list"_s));
    ASSERT_TRUE(list.open(QIODevice::Append));
    list.write("\n[Removed Associations]\napplication/json=vim.desktop;\n");
    list.close();
    QStringList lines;
    for (const QJsonValue& s : json({u"why"_s, u"application/json"_s})[u"steps"_s].toArray()) {
        if (s[u"line"_s].toInt() > 0)
            lines.append(QString::number(s[u"line"_s].toInt()) + u' ' + s[u"group"_s].toString());
    }
    EXPECT_EQ(lines,
              (QStringList {u"24 addedAssociations"_s, u"28 removedAssociations"_s, u"11 defaultApplications"_s}));
    // Every type of one search, with what opens it and why: the links Thunderbird declares, and
    // TeX by one of its patterns.
    QStringList found;
    for (const QJsonValue& t : json({u"types"_s, u"thunder"_s})[u"types"_s].toArray())
        found.append(t[u"type"_s].toString() + u' ' + t[u"source"_s].toString());
    EXPECT_TRUE(found.contains(u"x-scheme-handler/mailto user"_s) && found.contains(u"x-scheme-handler/mid system"_s))
        << found.join(u", "_s).toStdString();
    EXPECT_TRUE(std::is_sorted(found.cbegin(), found.cend())) << found.join(u", "_s).toStdString(); // by media type
    const QJsonArray tex = json({u"types"_s, u"*.ltx"_s})[u"types"_s].toArray();
    ASSERT_EQ(tex.size(), 1);
    EXPECT_EQ(tex[0][u"app"_s][u"desktopId"_s].toString(), u"vim.desktop"_s);
    EXPECT_TRUE(tex[0][u"patterns"_s].toArray().contains(u"*.tex"_s));
    const QJsonObject why = json({u"why"_s, u".png"_s});
    EXPECT_FALSE(why[u"desktops"_s].toArray().isEmpty());
    EXPECT_EQ(why[u"app"_s][u"desktopId"_s].toString(), u"org.gnome.Loupe.desktop"_s);
    const QJsonArray steps = why[u"steps"_s].toArray();
    EXPECT_TRUE(std::any_of(steps.begin(), steps.end(), [](const QJsonValue& s) {
        return s[u"decides"_s].toBool() && s[u"file"_s].toString().endsWith(u"/.config/gnome-mimeapps.list"_s);
    })) << QJsonDocument(why).toJson().toStdString();
}

// Every document a command prints names its form, as the export file does: reads, changes
// (carried out by the model) and errors alike.
TEST_F(CliTest, EveryJsonDocumentNamesItsFormat)
{
    const QList<QStringList> commands {
        {u"status"_s, u".pdf"_s},
        {u"types"_s, u"pdf"_s},
        {u"why"_s, u".md"_s},
        {u"check"_s, u"mailto:"_s, u"thunderbird"_s},
        {u"health"_s},
        {u"guard"_s, u"log"_s},
        {u"profile"_s, u"list"_s},
        {u"profile"_s, u"plan"_s, u"preset.media"_s},
        {u"backup"_s, u"list"_s},
        {u"app"_s, u"mpv"_s},
        {u"set"_s, u".pdf"_s, u"okular"_s},
        {u"backup"_s, u"now"_s},
        {u"why"_s, u"tar.gz"_s},
    };
    for (const QStringList& args : commands) {
        const Outcome r = run(args + QStringList {u"--json"_s});
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        EXPECT_EQ(o[u"format"_s].toString(), u"openwright.cli"_s)
            << args.join(u' ').toStdString() << r.out.toStdString();
        EXPECT_EQ(o[u"version"_s].toInt(), 1) << args.join(u' ').toStdString();
        EXPECT_GT(o.size(), 2) << args.join(u' ').toStdString();
    }
}

// Output that cannot be written is a failure, said on standard error, as coreutils say it.
TEST_F(CliTest, AnUnwritableOutputFailsTheCommand)
{
    QFile exported(m_root.filePath(u"reading.json"_s));
    ASSERT_TRUE(exported.open(QIODevice::WriteOnly));
    exported.write(kReadingExport.toByteArray());
    exported.close();
    ASSERT_EQ(run({u"profile"_s, u"import"_s, exported.fileName()}).status, 0);
    const QList<QStringList> commands {
        {u"status"_s, u".pdf"_s},
        {u"profile"_s, u"export"_s, u"Reading"_s, u"-"_s},
        {u"health"_s, u"--json"_s},
        {u"--help"_s},
    };
    for (const QStringList& args : commands) {
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.setWorkingDirectory(m_root.path());
        p.setStandardOutputFile(u"/dev/full"_s);
        p.start(QStringLiteral(OPENWRIGHT_CLI), args);
        ASSERT_TRUE(p.waitForFinished(30'000));
        EXPECT_EQ(p.exitCode(), 1) << args.join(u' ').toStdString();
        EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()),
                  u"openwright: Cannot write the output: No space left on device\n"_s)
            << args.join(u' ').toStdString();
    }
}

// Colours only on a terminal that takes them, and never with NO_COLOR set to something
// (no-color.org: an empty NO_COLOR is as if unset).
struct ColourRow
{
    const char* name;
    std::optional<QString> noColor;
    QString term;
    bool colour;
};

void PrintTo(const ColourRow& row, std::ostream* os)
{
    *os << row.name;
}

class Colour : public CliTest, public ::testing::WithParamInterface<ColourRow>
{
};

TEST_P(Colour, FollowsTheTerminalAndNoColor)
{
    const ColourRow& row = GetParam();
    m_env.remove(u"NO_COLOR"_s);
    if (row.noColor)
        m_env.insert(u"NO_COLOR"_s, *row.noColor);
    m_env.insert(u"TERM"_s, row.term);
    // script(1) gives the command a terminal for its standard output.
    const QString command = u"exec '"_s + QStringLiteral(OPENWRIGHT_CLI) + u"' status .pdf"_s;
    const Outcome r = run({u"-qec"_s, command, u"/dev/null"_s}, u"script"_s);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(u"org.gnome.Evince.desktop"_s)) << r.out.toStdString();
    EXPECT_EQ(r.out.contains(u"\x1b["_s), row.colour) << r.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Terminals, Colour,
                         ::testing::Values(ColourRow {"plain", std::nullopt, u"xterm"_s, true},
                                           ColourRow {"no_color", u"1"_s, u"xterm"_s, false},
                                           ColourRow {"empty_no_color", u""_s, u"xterm"_s, true},
                                           ColourRow {"dumb_terminal", std::nullopt, u"dumb"_s, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Several targets in one command, one batch; and back to the system's choice.
TEST_F(CliTest, SeveralTargetsAtOnceAndResetToTheSystemsChoice)
{
    const Outcome set = run({u"set"_s, u".png"_s, u"image/gif"_s, u"gimp"_s});
    EXPECT_EQ(set.status, 0) << set.err.toStdString();
    EXPECT_TRUE(set.out.contains(QRegularExpression(
        u"^\\.png +Changed +GNU Image Manipulation Program +gimp.desktop$"_s, QRegularExpression::MultilineOption)))
        << set.out.toStdString();
    EXPECT_TRUE(
        set.out.contains(QRegularExpression(u"^image/gif +Changed +GNU Image"_s, QRegularExpression::MultilineOption)))
        << set.out.toStdString();
    EXPECT_EQ(current(u"image/gif"_s), u"gimp.desktop"_s);

    QFile list(home(u".config/mimeapps.list"_s));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    const QByteArray before = list.readAll();
    list.close();
    const QJsonObject reset = json({u"reset"_s, u".pdf"_s, u".png"_s});
    const QJsonArray changes = reset[u"changes"_s].toArray();
    ASSERT_EQ(changes.size(), 2) << QJsonDocument(reset).toJson().toStdString();
    EXPECT_EQ(changes[0][u"message"_s].toString(), u"Reset to the system default"_s);
    // The administrator's choice stands once the user's own is gone.
    EXPECT_EQ(changes[0][u"now"_s][0][u"app"_s][u"desktopId"_s].toString(), u"org.kde.okular.desktop"_s);
    EXPECT_EQ(current(u".pdf"_s), u"org.kde.okular.desktop"_s);
    // Only the types' own lines went: the default, the associations choices added, and the
    // GNOME list's line; every other line stays as it was.
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    const QByteArray after = list.readAll();
    for (const QByteArray& line : before.split('\n')) {
        const bool ours = line.startsWith("application/pdf=") || line.startsWith("image/png=");
        if (!line.isEmpty() && !line.startsWith('#')) {
            EXPECT_EQ(after.contains(line + '\n'), !ours) << line.toStdString();
        }
    }
    QFile gnome(home(u".config/gnome-mimeapps.list"_s));
    ASSERT_TRUE(gnome.open(QIODevice::ReadOnly));
    EXPECT_FALSE(gnome.readAll().contains("image/png="));
    const QJsonArray backups = json({u"backup"_s, u"list"_s})[u"backups"_s].toArray();
    EXPECT_TRUE(std::any_of(backups.begin(), backups.end(),
                            [](const QJsonValue& b) { return b[u"backupReason"_s][u"kind"_s] == u"beforeRevert"_s; }));
    EXPECT_TRUE(run({u"reset"_s, u".pdf"_s}).out.startsWith(u".pdf  Already the system default  Okular"_s));
}

// Under KDE, with KDE's menu in place: the types KDE programs open elsewhere are flagged, and
// agree pins what GTK programs open for them, leaving a split extension's types as they were.
TEST_F(CliTest, AgreeSettlesWhatKdeProgramsOpenElsewhere)
{
    if (!QFile::exists(u"/etc/xdg/menus/kf5-applications.menu"_s))
        GTEST_SKIP() << "KDE's service libraries are not installed";
    const QString menus = m_env.value(u"XDG_CONFIG_DIRS"_s).section(u':', 0, 0) + u"/menus"_s;
    ASSERT_TRUE(QDir().mkpath(menus));
    ASSERT_TRUE(QFile::copy(u"/etc/xdg/menus/kf5-applications.menu"_s, menus + u"/kf5-applications.menu"_s));
    m_env.insert(u"XDG_CURRENT_DESKTOP"_s, u"KDE"_s);
    m_env.insert(u"KDE_SESSION_VERSION"_s, u"5"_s);
    const Outcome status = run({u"status"_s, u".sh"_s});
    EXPECT_TRUE(status.out.contains(u"Opens differently in KDE programs"_s)) << status.out.toStdString();
    const QJsonValue split = json({u"status"_s, u".ts"_s})[u"types"_s][0][u"byType"_s];
    EXPECT_GT(json({u"health"_s})[u"openersDiffer"_s].toInt(), 0);

    // The split one is named, and still differs.
    const QString leftAlone = u".ts      left alone: its types open in different apps; choose one app for it first\n"_s;
    const Outcome agree = run({u"agree"_s});
    EXPECT_EQ(agree.status, 1) << agree.out.toStdString() << agree.err.toStdString();
    EXPECT_TRUE(agree.out.contains(
        QRegularExpression(u"^\\.sh +Vim +vim.desktop +every program agrees$"_s, QRegularExpression::MultilineOption)))
        << agree.out.toStdString();
    EXPECT_TRUE(agree.out.startsWith(u".ts "_s));
    EXPECT_EQ(current(u".sh"_s), u"vim.desktop"_s);
    EXPECT_EQ(json({u"status"_s, u".ts"_s})[u"types"_s][0][u"byType"_s], split);
    EXPECT_EQ(json({u"health"_s})[u"openersDiffer"_s].toInt(), 0);
    EXPECT_EQ(run({u"agree"_s}).out, leftAlone);
    EXPECT_EQ(run({u"agree"_s, u".sh"_s}).out, u"Every program already opens each type alike.\n"_s);
}

TEST_F(CliTest, AChangeThatFailsSaysWhyAndExitsWithOne)
{
    // A folder where the user's list belongs: the system's write of it fails.
    QFile::remove(home(u".config/mimeapps.list"_s));
    ASSERT_TRUE(QDir().mkpath(home(u".config/mimeapps.list"_s)));
    const Outcome r = run({u"set"_s, u".pdf"_s, u"org.gnome.Evince"_s});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(r.out.startsWith(u"Changed"_s)) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(u".pdf  Okular  org.kde.okular.desktop"_s)) << r.out.toStdString();
    // For a script: the run's own document, and no error document after it.
    const Outcome j = run({u"set"_s, u".pdf"_s, u"org.gnome.Evince"_s, u"--json"_s});
    EXPECT_EQ(j.status, 1);
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(j.out.toUtf8(), &error).object();
    EXPECT_EQ(error.error, QJsonParseError::NoError) << j.out.toStdString();
    EXPECT_EQ(o[u"target"_s].toString(), u".pdf"_s) << j.out.toStdString();

    // The default moves, but the Default Guard's memory of it cannot be saved: not acknowledged.
    QDir(home(u".config/mimeapps.list"_s)).removeRecursively();
    QFile::remove(dataFile(u"guard.json"_s));
    ASSERT_TRUE(QDir().mkpath(dataFile(u"guard.json"_s)));
    const Outcome unsaved = run({u"set"_s, u".pdf"_s, u"org.gnome.Evince"_s});
    EXPECT_EQ(unsaved.status, 1);
    EXPECT_TRUE(unsaved.err.contains(u"could not save all of its data"_s)) << unsaved.err.toStdString();
}

TEST_F(CliTest, ADesktopFileIdMeansThatEntryWhereverItIsGiven)
{
    // The older viewer of the same program, in the user's own folder (which an identity finds
    // first), and the default.
    const QString apps = home(u".local/share/applications"_s);
    QFile eog(apps + u"/eog.desktop"_s);
    ASSERT_TRUE(eog.open(QIODevice::WriteOnly));
    eog.write("[Desktop Entry]\nType=Application\nName=Eye of GNOME\nExec=loupe %U\nMimeType=image/png;\n");
    eog.close();
    ASSERT_EQ(QProcess::execute(u"update-desktop-database"_s, {u"-q"_s, apps}), 0);
    QFile list(home(u".config/gnome-mimeapps.list"_s));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("[Default Applications]\nimage/png=eog.desktop;\n");
    list.close();

    const Outcome set = run({u"set"_s, u".png"_s, u"org.gnome.Loupe"_s});
    EXPECT_TRUE(set.out.startsWith(u"Changed\n"_s)) << set.out.toStdString();
    EXPECT_EQ(current(u".png"_s), u"org.gnome.Loupe.desktop"_s);

    // A profile written by hand, imported: its entry names eog, which is not the default.
    QFile file(m_root.filePath(u"eog.json"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"format":"openwright.profiles","version":1,"profiles":[{"id":"E","name":"Old viewer",
        "summary":"","symbol":"photo","kind":"custom","createdAt":"2025-03-01T09:30:00Z",
        "entries":[{"target":".png","bundleID":"eog","appName":"Eye of GNOME"}]}]})");
    file.close();
    ASSERT_EQ(run({u"profile"_s, u"import"_s, u"eog.json"_s}).status, 0);
    const Outcome apply = run({u"profile"_s, u"apply"_s, u"Old viewer"_s});
    EXPECT_TRUE(apply.out.endsWith(u"1 of 1 changed.\n"_s)) << apply.out.toStdString();
    EXPECT_EQ(current(u".png"_s), u"eog.desktop"_s);

    // A backup records the very entry, so restoring it brings back that one.
    ASSERT_EQ(run({u"backup"_s, u"now"_s}).status, 0);
    // The one saved by hand: the backup taken before the profile may share its second.
    QString id;
    for (const QJsonValue& b : json({u"backup"_s, u"list"_s})[u"backups"_s].toArray()) {
        if (b[u"backupReason"_s][u"kind"_s] == u"manual"_s)
            id = b[u"id"_s].toString();
    }
    ASSERT_FALSE(id.isEmpty());
    ASSERT_EQ(run({u"set"_s, u".png"_s, u"org.gnome.Loupe.desktop"_s}).status, 0);
    EXPECT_EQ(run({u"backup"_s, u"restore"_s, id}).status, 0);
    EXPECT_EQ(current(u".png"_s), u"eog.desktop"_s);
}

// doctor --fix keeps a copy of each list it changes and what opens each type, except where a
// finding says otherwise (the GNOME list over the user's PNG choice).
TEST_F(CliTest, DoctorFixKeepsACopyAndTheDefaults)
{
    const QString list = home(u".config/mimeapps.list"_s);
    QFile before(list);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray old = before.readAll();
    const QJsonObject fixed = json({u"doctor"_s, u"--fix"_s});
    EXPECT_TRUE(fixed[u"fixed"_s][u"changedFiles"_s].toArray().contains(list));
    QFile copy(list + u".before-cleanup-1"_s);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), old);
    EXPECT_EQ(fixed[u"problems"_s].toInt(), 0);
    EXPECT_EQ(current(u".pdf"_s), u"org.gnome.Evince.desktop"_s);
    EXPECT_EQ(current(u".md"_s), u"org.kde.okular.desktop"_s);
    EXPECT_EQ(current(u".png"_s), u"gimp.desktop"_s);
    // Only the administrator's PDF line that the person's own overrides is left, said and kept.
    const Outcome after = run({u"doctor"_s});
    EXPECT_TRUE(after.out.startsWith(u"0 problems in your defaults files\n"_s)) << after.out.toStdString();
    EXPECT_TRUE(after.out.contains(u"your system sets org.kde.okular.desktop for everyone"_s));

    // A second clean-up keeps a copy of its own: the first, of the list as it was, stays.
    QFile mine(list);
    ASSERT_TRUE(mine.open(QIODevice::ReadWrite));
    const QByteArray between = mine.readAll().replace("text/plain=", "text/plain=gone.desktop;");
    mine.resize(0);
    mine.write(between);
    mine.close();
    const QJsonObject again = json({u"doctor"_s, u"--fix"_s});
    EXPECT_EQ(QVariant(again[u"fixed"_s][u"copies"_s].toArray().toVariantList()).toStringList(),
              QStringList {list + u".before-cleanup-2"_s});
    // Read afresh by name: a copy replaced by rename would still read as it was through `copy`.
    for (const auto& [n, text] : {std::pair(1, old), std::pair(2, between)}) {
        QFile kept(list + u".before-cleanup-"_s + QString::number(n));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << n;
        EXPECT_EQ(kept.readAll(), text) << n;
    }
}

TEST_F(CliTest, TheGuardReportsATakeoverOnce)
{
    // Pinned without --keep after with it: watched, and no longer put back.
    ASSERT_EQ(run({u"pin"_s, u"--keep"_s, u".pdf"_s}).status, 0);
    EXPECT_EQ(run({u"pin"_s, u".pdf"_s}).out, u".pdf is pinned: Default Guard is watching this default.\n"_s);
    const QJsonArray kept = json({u"guard"_s, u"log"_s})[u"kept"_s].toArray();
    EXPECT_TRUE(kept.isEmpty()) << QJsonDocument(kept).toJson().toStdString();
    // Other programs make GIMP the default for .png in the GNOME list, then Okular for .pdf in
    // mimeapps.list: edited in the other order than the system reads them.
    const auto edit = [&](const QString& name, const QByteArray& from, const QByteArray& to) {
        QFile list(home(u".config/"_s + name));
        ASSERT_TRUE(list.open(QIODevice::ReadWrite));
        const QByteArray text = list.readAll().replace(from, to);
        list.resize(0);
        list.write(text);
    };
    edit(u"gnome-mimeapps.list"_s, "image/png=org.gnome.Loupe.desktop;", "image/png=gimp.desktop;");
    edit(u"mimeapps.list"_s, "application/pdf=org.gnome.Evince.desktop;", "application/pdf=org.kde.okular.desktop;");

    const Outcome check = run({u"guard"_s, u"check"_s});
    EXPECT_EQ(check.status, 0);
    EXPECT_TRUE(check.out.contains(u".pdf  PDF Documents (.pdf)  Document Viewer \u2192 Okular"_s))
        << check.out.toStdString();
    EXPECT_EQ(run({u"guard"_s, u"check"_s}).out, u"No defaults changed since the last check.\n"_s);
    // That check took the defaults it kept; an edit since is read all the same.
    edit(u"mimeapps.list"_s, "application/pdf=org.kde.okular.desktop;", "application/pdf=firefox.desktop;");
    const Outcome again = run({u"guard"_s, u"check"_s});
    EXPECT_TRUE(again.out.contains(u"Document Viewer \u2192 Firefox"_s)) << again.out.toStdString();
    edit(u"mimeapps.list"_s, "application/pdf=firefox.desktop;", "application/pdf=org.kde.okular.desktop;");
    const QJsonObject log = json({u"guard"_s, u"log"_s});
    EXPECT_EQ(log[u"pinned"_s].toArray(), QJsonArray {u".pdf"_s});
    // A process of its own, with no window before it, names the list whose line decides.
    QHash<QString, std::pair<QString, QString>> changes; // target: (new desktop-file ID, list)
    for (const QJsonValue& c : log[u"history"_s].toArray())
        changes.insert(c[u"target"_s].toString(), {c[u"to"_s][u"desktopId"_s].toString(), c[u"file"_s].toString()});
    EXPECT_EQ(changes.value(u".pdf"_s), std::pair(u"org.kde.okular.desktop"_s, home(u".config/mimeapps.list"_s)));
    EXPECT_EQ(changes.value(u".png"_s), std::pair(u"gimp.desktop"_s, home(u".config/gnome-mimeapps.list"_s)));
}

// The desktop entry's actions run where no terminal shows what they print: each tells what it
// did as a notification, a failure too.
TEST_F(CliTest, TheDesktopEntrysActionsTellWhatTheyDid)
{
    openwright::test::PrivateBus bus;
    if (!bus.isRunning())
        GTEST_SKIP() << "no dbus-daemon (Debian package dbus)";
    openwright::test::FakeNotificationServer server(bus.connect(u"server"_s));
    m_env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, bus.address());
    QFile entry(QStringLiteral(OPENWRIGHT_DESKTOP_ENTRY));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    QHash<QString, QStringList> actions;
    QString group;
    for (const QByteArray& line : entry.readAll().split('\n')) {
        if (line.startsWith('['))
            group = QString::fromUtf8(line).remove(u"[Desktop Action "_s).chopped(1);
        else if (line.startsWith("Exec=openwright ") && group != u"[Desktop Entr"_s)
            actions.insert(group, QString::fromUtf8(line.mid(16)).split(u' '));
    }
    ASSERT_EQ(actions.size(), 2);
    const auto told = [&](const QString& action, int status = 0) {
        const qsizetype before = server.calls.size();
        const Outcome r = run(actions.value(action));
        EXPECT_EQ(r.status, status) << r.err.toStdString();
        EXPECT_EQ(server.calls.size(), before + 1) << r.err.toStdString();
        return server.calls.value(before);
    };

    EXPECT_EQ(told(u"check-now"_s).summary, u"No defaults changed since the last check."_s);
    ASSERT_EQ(run({u"pin"_s, u".pdf"_s}).status, 0);
    // Another program makes Okular the default.
    QFile list(home(u".config/mimeapps.list"_s));
    ASSERT_TRUE(list.open(QIODevice::ReadWrite));
    const QByteArray text = list.readAll().replace("application/pdf=org.gnome.Evince.desktop;",
                                                   "application/pdf=org.kde.okular.desktop;");
    list.resize(0);
    list.write(text);
    list.close();
    const auto change = told(u"check-now"_s);
    EXPECT_EQ(change.summary, u"1 default changed since the last check:"_s);
    EXPECT_EQ(change.body, u"PDF Documents (.pdf): Document Viewer \u2192 Okular"_s);
    EXPECT_TRUE(change.actions.isEmpty()) << "nothing is left to answer it";
    EXPECT_TRUE(told(u"back-up-now"_s).summary.startsWith(u"Backed up "_s));
    // No bus at all: the command still does its work and says why nothing was shown.
    m_env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, u"unix:path="_s + m_root.filePath(u"no-bus"_s));
    const Outcome alone = run(actions.value(u"check-now"_s));
    EXPECT_EQ(alone.status, 0);
    EXPECT_TRUE(alone.err.contains(u"The notification could not be shown"_s)) << alone.err.toStdString();
    m_env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, bus.address());
    // Backups cannot be saved where a folder stands in for the file.
    ASSERT_TRUE(QFile::remove(dataFile(u"profiles.json"_s)));
    ASSERT_TRUE(QDir().mkpath(dataFile(u"profiles.json"_s)));
    const auto failed = told(u"back-up-now"_s, 1);
    EXPECT_EQ(failed.summary, u"Openwright did not finish \u201cbackup now\u201d"_s);
    EXPECT_TRUE(failed.body.contains(u"is not a file"_s) && !failed.body.contains(u"openwright: "_s))
        << failed.body.toStdString();
}

TEST_F(CliTest, BackupsAndProfilesFollowTheWindowsRules)
{
    const Outcome now = run({u"backup"_s, u"now"_s});
    ASSERT_EQ(now.status, 0) << now.err.toStdString();
    const QString id = json({u"backup"_s, u"list"_s})[u"backups"_s][0][u"id"_s].toString();
    ASSERT_EQ(run({u"set"_s, u".pdf"_s, u"okular"_s}).status, 0);
    // .ts is recorded by each of its types: TypeScript sources and MPEG transport streams open apart.
    EXPECT_TRUE(run({u"backup"_s, u"list"_s}).out.contains(u"Saved by you  55 defaults  1 different from now"_s));
    // In German, as the window would show it, dates included even where the time locale is
    // another; JSON stays English.
    QProcessEnvironment english = m_env;
    m_env.remove(u"LC_ALL"_s);
    m_env.insert(u"LANG"_s, u"de_DE.UTF-8"_s);
    m_env.insert(u"LC_TIME"_s, u"en_US.UTF-8"_s);
    const QString german = run({u"backup"_s, u"list"_s}).out;
    EXPECT_TRUE(german.contains(u"Von Ihnen gesichert  55 Standardanwendungen  1 Unterschied zu jetzt"_s))
        << german.toStdString();
    EXPECT_TRUE(german.contains(QRegularExpression(u"\\d+\\. \\w+\\.? \\d{4} um \\d\\d:\\d\\d"_s)))
        << german.toStdString();
    const QByteArray listed = QJsonDocument(json({u"backup"_s, u"list"_s})).toJson();
    EXPECT_TRUE(listed.contains("\"Saved by you\"") && !listed.contains("Von Ihnen")) << listed.toStdString();
    EXPECT_EQ(run({u"status"_s, u".zzq"_s}).err, u"openwright: Das System kennt keine .zzq-Dateien\n"_s);
    // A language without its own translation takes its sibling's: European Portuguese, Brazil's.
    m_env.insert(u"LANG"_s, u"pt_PT.UTF-8"_s);
    EXPECT_TRUE(run({u"backup"_s, u"list"_s}).out.contains(u"Salvo por você"_s));
    m_env = english;

    // One of .ts's types changed too: the restore puts it back.
    ASSERT_EQ(run({u"set"_s, u"video/mp2t"_s, u"mpv"_s}).status, 0);
    const Outcome restore = run({u"backup"_s, u"restore"_s, id.left(8)});
    EXPECT_EQ(restore.status, 0) << restore.err.toStdString();
    EXPECT_TRUE(restore.out.contains(QRegularExpression(u"\\.pdf +Okular \u2192 Document Viewer +Changed"_s)))
        << restore.out.toStdString();
    EXPECT_TRUE(restore.out.contains(QRegularExpression(u"video/mp2t +mpv Media Player \u2192 VLC +Changed"_s)))
        << restore.out.toStdString();
    EXPECT_TRUE(restore.out.contains(u"2 of 2 changed.\n"_s)) << restore.out.toStdString();
    EXPECT_EQ(current(u".pdf"_s), u"org.gnome.Evince.desktop"_s);
    // The restore backed up the defaults it replaced first, as the window does.
    const QJsonArray backups = json({u"backup"_s, u"list"_s})[u"backups"_s].toArray();
    EXPECT_TRUE(std::any_of(backups.begin(), backups.end(),
                            [](const QJsonValue& b) { return b[u"backupReason"_s][u"kind"_s] == u"beforeRestore"_s; }));

    // Profiles travel through the export file.
    QFile file(m_root.filePath(u"mine.json"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kReadingExport.toByteArray());
    file.close();
    EXPECT_EQ(run({u"profile"_s, u"import"_s, u"mine.json"_s}).out, u"Imported 1 profile.\n"_s);
    const QJsonObject again = json({u"profile"_s, u"import"_s, u"mine.json"_s});
    EXPECT_EQ(again[u"imported"_s], 0);
    EXPECT_EQ(again[u"alreadyThere"_s].toArray(), QJsonArray {u"Reading"_s});
    EXPECT_TRUE(run({u"profile"_s, u"list"_s}).out.contains(QRegularExpression(u"Reading +1 of 1 to change"_s)));
    // By the shortest start of its id that is taken for one: four characters.
    QString reading;
    for (const QJsonValue& p : json({u"profile"_s, u"list"_s})[u"profiles"_s].toArray()) {
        if (p[u"name"_s] == u"Reading"_s)
            reading = p[u"id"_s].toString();
    }
    EXPECT_EQ(run({u"profile"_s, u"export"_s, reading.left(4), u"out.json"_s}).out, u"Exported 1 profile.\n"_s);
    EXPECT_TRUE(run({u"profile"_s, u"export"_s, u"reading"_s, u"-"_s}).out.startsWith(u"{\n"_s));
    QFile exported(m_root.filePath(u"out.json"_s));
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_TRUE(exported.readAll().contains(R"("format" : "openwright.profiles")"));
    EXPECT_EQ(run({u"backup"_s, u"delete"_s, id}).status, 0);
    EXPECT_FALSE(run({u"backup"_s, u"list"_s}).out.contains(id.left(8)));

    // A backup that differs from now only by an application since removed cannot be
    // restored, and says which.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(R"({"format":"openwright.profiles","version":1,"profiles":[{"id":"Y","name":"Old","summary":"",
        "symbol":"clock","kind":"snapshot","createdAt":"2025-03-01T09:30:00Z","backupReason":{"manual":{}},
        "entries":[{"target":".md","bundleID":"atom","appName":"Atom"},
                   {"target":".pdf","bundleID":"org.gnome.Evince","appName":"Document Viewer"}]}]})");
    file.close();
    ASSERT_EQ(run({u"set"_s, u".pdf"_s, u"okular"_s}).status, 0);
    ASSERT_EQ(run({u"profile"_s, u"import"_s, u"mine.json"_s}).status, 0);
    const Outcome gone = run({u"backup"_s, u"restore"_s, u"old"_s});
    EXPECT_EQ(gone.status, 1);
    EXPECT_TRUE(gone.out.contains(QRegularExpression(u"\\.md +Atom isn't installed +Not restored"_s)))
        << gone.out.toStdString();
    EXPECT_TRUE(gone.out.contains(u"1 of 2 changed.\n"_s)) << gone.out.toStdString();
}

// What browsers and xdg-mime leave: links in Firefox, secure links in Chrome, pages in Brave.
// Shown as split everywhere, backed up by type and put back so.
TEST_F(CliTest, ASplitBrowserIsShownAndBackedUpAsSplit)
{
    ASSERT_EQ(run({u"set"_s, u"https:"_s, u"google-chrome"_s}).status, 0);
    ASSERT_EQ(run({u"set"_s, u".html"_s, u"brave-browser"_s}).status, 0);
    const QString split = u"Split between browsers: Firefox opens x-scheme-handler/http, application/xhtml+xml; "
                          u"Google Chrome opens x-scheme-handler/https; Brave Web Browser opens text/html."_s;
    const Outcome status = run({u"status"_s, u"http:"_s});
    EXPECT_TRUE(status.out.contains(split)) << status.out.toStdString();
    EXPECT_TRUE(run({u"health"_s}).out.contains(split));
    EXPECT_EQ(run({u"check"_s, u"http:"_s, u"firefox"_s}).status, 1);
    const QString why = run({u"why"_s, u"http:"_s}).out;
    EXPECT_TRUE(why.contains(u"\nhttps: opens in Google Chrome (google-chrome.desktop) because"_s)
                && why.contains(u"\n.html opens in Brave Web Browser (brave-browser.desktop) because"_s)
                && why.contains(u"Where the system looks for text/html, in its order:"_s))
        << why.toStdString();
    EXPECT_EQ(json({u"why"_s, u"http:"_s})[u"byType"_s].toArray().size(), 3);

    ASSERT_EQ(run({u"backup"_s, u"now"_s}).status, 0);
    const QString id = json({u"backup"_s, u"list"_s})[u"backups"_s][0][u"id"_s].toString();
    // Choosing the browser links already name repairs the split.
    ASSERT_EQ(run({u"set"_s, u"http:"_s, u"firefox"_s}).status, 0);
    EXPECT_EQ(run({u"check"_s, u"http:"_s, u"firefox"_s}).status, 0);
    EXPECT_TRUE(run({u"backup"_s, u"list"_s}).out.contains(u"2 different from now"_s));
    const Outcome restore = run({u"backup"_s, u"restore"_s, id.left(8)});
    EXPECT_EQ(restore.status, 0) << restore.err.toStdString();
    EXPECT_TRUE(
        restore.out.contains(QRegularExpression(u"x-scheme-handler/https +Firefox \u2192 Google Chrome +Changed"_s)))
        << restore.out.toStdString();
    EXPECT_TRUE(restore.out.contains(u"2 of 2 changed.\n"_s)) << restore.out.toStdString();
    EXPECT_EQ(current(u"https:"_s), u"google-chrome.desktop"_s);
    EXPECT_EQ(current(u".html"_s), u"brave-browser.desktop"_s);
    // The choice gave about: and unknown: Firefox too, which the backup did not hold.
    EXPECT_TRUE(run({u"status"_s, u"http:"_s})
                    .out.contains(u"Google Chrome opens x-scheme-handler/https; Brave Web Browser opens text/html."_s));
}

TEST_F(CliTest, ACommandWhileTheApplicationRunsIsCarriedOutByIt)
{
    QProcess app;
    app.setProcessEnvironment(m_env);
    app.start(QStringLiteral(OPENWRIGHT_RUNNING_APP));
    QByteArray seen;
    while (!seen.contains("ready\n") && app.waitForReadyRead(10'000))
        seen += app.readAllStandardOutput();
    ASSERT_TRUE(seen.contains("ready\n")) << seen.toStdString();
    const auto stamp = [&] {
        struct stat st = {};
        ::stat(QFile::encodeName(dataFile(u"guard.json"_s)).constData(), &st);
        return QByteArray::number(qulonglong(st.st_ino)) + ':' + QByteArray::number(qlonglong(st.st_mtim.tv_sec)) + '.'
            + QByteArray::number(qlonglong(st.st_mtim.tv_nsec));
    };
    const QByteArray before = stamp();

    const Outcome pin = run({u"pin"_s, u".pdf"_s});
    EXPECT_EQ(pin.status, 0) << pin.err.toStdString();
    EXPECT_EQ(pin.out, u".pdf is pinned: Default Guard is watching this default.\n"_s);
    // The application saved the guard file once, and nothing wrote it after that.
    // What came while the command ran is read already.
    QByteArray saves = app.readAllStandardOutput();
    while (app.waitForReadyRead(300))
        saves += app.readAllStandardOutput();
    EXPECT_EQ(saves, "saved guard.json " + stamp() + '\n');
    EXPECT_NE(stamp(), before);
    QFile guard(dataFile(u"guard.json"_s));
    ASSERT_TRUE(guard.open(QIODevice::ReadOnly));
    EXPECT_EQ(QJsonDocument::fromJson(guard.readAll())[u"pinned"_s].toArray(), QJsonArray {u".pdf"_s});

    // What the application finds wrong comes back as the command's own error and status.
    const Outcome bad = run({u"set"_s, u".pdf"_s, u"Preview"_s});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.err.startsWith(u"openwright: There is no installed application called"_s));

    // The command reads what it imports itself: a FIFO is refused at once (the application
    // never opens it), and a pipe from the shell works as it does without the application.
    ASSERT_EQ(::mkfifo(QFile::encodeName(m_root.filePath(u"fifo"_s)).constData(), 0600), 0);
    const Outcome fifo = run({u"profile"_s, u"import"_s, u"fifo"_s});
    EXPECT_EQ(fifo.status, 1);
    EXPECT_TRUE(fifo.err.contains(u"fifo is not a regular file."_s)) << fifo.err.toStdString();
    const Outcome piped = run({u"-c"_s, uR"("$0" profile import <(echo "$1"))"_s, QStringLiteral(OPENWRIGHT_CLI),
                               QString::fromUtf8(kReadingExport)},
                              u"bash"_s);
    EXPECT_EQ(piped.out, u"Imported 1 profile.\n"_s) << piped.err.toStdString();
    // A relative path is the caller's; so is a file named as a target, whose type is sent.
    QFile mine(m_root.filePath(u"mine.json"_s));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write(kReadingExport.toByteArray());
    mine.close();
    // The piped import added it: the same profile is not added twice.
    EXPECT_EQ(run({u"profile"_s, u"import"_s, u"mine.json"_s}).out,
              u"Imported 0 profiles.\nAlready there, not imported again: \u201CReading\u201D.\n"_s);
    const Outcome script = run({u"set"_s, u"./env.sh"_s, u"vim"_s});
    EXPECT_EQ(script.status, 0) << script.err.toStdString();
    EXPECT_TRUE(script.out.contains(u"\napplication/x-shellscript  Vim  vim.desktop\n"_s)) << script.out.toStdString();

    // A change the application could not save is not acknowledged.
    QFile::remove(dataFile(u"guard.json"_s));
    ASSERT_TRUE(QDir().mkpath(dataFile(u"guard.json"_s)));
    const Outcome unsaved = run({u"pin"_s, u".png"_s});
    EXPECT_EQ(unsaved.status, 1);
    EXPECT_TRUE(unsaved.err.contains(u"will be lost when Openwright quits: "_s + dataFile(u"guard.json"_s)))
        << unsaved.err.toStdString();
    app.kill();
    app.waitForFinished(5000);
}

// The application ended (killed) while it carried out a command: the command line says whether
// anything changed, from what is on disk, rather than that it "may still be carried out".
TEST_F(CliTest, ACommandWhoseApplicationEndsSaysWhetherAnythingChanged)
{
    for (const auto& [mode, said] : {std::pair {u"dies-before"_s, u"nothing was changed"_s},
                                     std::pair {u"dies-after"_s, u"it changed some of what was asked"_s}}) {
        QProcess app;
        app.setProcessEnvironment(m_env);
        app.start(QStringLiteral(OPENWRIGHT_RUNNING_APP), {mode});
        QByteArray seen;
        while (!seen.contains("ready\n") && app.waitForReadyRead(10'000))
            seen += app.readAllStandardOutput();
        ASSERT_TRUE(seen.contains("ready\n")) << seen.toStdString();
        const Outcome pin = run({u"pin"_s, u".pdf"_s});
        EXPECT_EQ(pin.status, 1);
        EXPECT_TRUE(pin.err.contains(said)) << pin.err.toStdString();
        app.waitForFinished(5000);
    }
}

// Names come from any desktop entry: a tab, a newline or an escape in one is shown escaped, and
// the table's columns stay whole.
TEST_F(CliTest, ControlCharactersInANameAreShownEscaped)
{
    QFile entry(m_env.value(u"XDG_DATA_HOME"_s) + u"/applications/odd.desktop"_s);
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nName=Odd\\tName\\nHere\x1b]0;title\x07\nExec=true %f\n"
                "MimeType=application/x-odd-thing;\n");
    entry.close();
    const Outcome app = run({u"app"_s, u"odd.desktop"_s});
    EXPECT_EQ(app.status, 0) << app.err.toStdString();
    EXPECT_TRUE(app.out.contains(u"Odd\\tName\\nHere\\x1B]0;title\\x07"_s)) << app.out.toStdString();
    EXPECT_FALSE(app.out.contains(u'\x1b') || app.out.contains(u'\t') || app.out.contains(u'\x07'));
}

// A command that changes starts its program at once, without the read library, which answers
// the others: here a stand-in program beside the launcher, and no library.
TEST_F(CliTest, TheLauncherHandsAChangeToItsProgramAndReadsToTheLibrary)
{
    const QString dir = m_root.filePath(u"parts"_s);
    ASSERT_TRUE(QDir().mkpath(dir));
    ASSERT_TRUE(QFile::copy(QStringLiteral(OPENWRIGHT_CLI), dir + u"/openwright"_s));
    QFile command(dir + u"/openwright-command"_s);
    ASSERT_TRUE(command.open(QIODevice::WriteOnly));
    command.write("#!/bin/sh\necho \"openwright-command $*\"\n");
    command.close();
    command.setPermissions(command.permissions() | QFileDevice::ExeOwner);
    const Outcome change = run({u"set"_s, u".pdf"_s, u"okular"_s}, dir + u"/openwright"_s);
    EXPECT_EQ(change.out, u"openwright-command set .pdf okular\n"_s) << change.err.toStdString();
    const Outcome read = run({u"status"_s, u".pdf"_s}, dir + u"/openwright"_s);
    EXPECT_EQ(read.status, 1);
    EXPECT_TRUE(read.err.contains(u"openwright-read.so"_s)) << read.err.toStdString();
}

// Without /proc (a chroot, a build sandbox) the launcher still finds its own parts; and an export
// onto a link another user planted in a shared folder writes nothing through it.
TEST_F(CliTest, WithoutProcAndThroughAPlantedLink)
{
    if (::geteuid() != 0 || QStandardPaths::findExecutable(u"unshare"_s).isEmpty())
        GTEST_SKIP() << "needs root, for a mount namespace and another user's link";
        // The sanitizers need /proc themselves: a sanitized build cannot start without it.
#ifndef __SANITIZE_ADDRESS__
    const Outcome version
        = run({u"--mount"_s, u"--propagation"_s, u"private"_s, u"sh"_s, u"-c"_s,
               u"mount -t tmpfs none /proc && exec \"$0\" status .pdf"_s, QStringLiteral(OPENWRIGHT_CLI)},
              u"unshare"_s);
    EXPECT_EQ(version.status, 0) << version.err.toStdString();
    EXPECT_TRUE(version.out.contains(u"org.gnome.Evince.desktop"_s)) << version.out.toStdString();
#endif

    const QString shared = m_root.filePath(u"shared"_s), planted = shared + u"/report.json"_s;
    const QString autostart = home(u".config/autostart/evil.desktop"_s);
    ASSERT_TRUE(QDir().mkpath(shared));
    ::chmod(QFile::encodeName(shared).constData(), 01777);
    ASSERT_TRUE(QFile::link(autostart, planted));
    ASSERT_EQ(::lchown(QFile::encodeName(planted).constData(), 65534, 65534), 0);
    QFile mine(m_root.filePath(u"mine.json"_s));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write(kReadingExport.toByteArray());
    mine.close();
    ASSERT_EQ(run({u"profile"_s, u"import"_s, u"mine.json"_s}).status, 0);
    const Outcome exported = run({u"profile"_s, u"export"_s, u"Reading"_s, planted});
    EXPECT_EQ(exported.status, 1);
    EXPECT_TRUE(exported.err.contains(planted)) << exported.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(autostart));
}

// --system reads and writes what every new account gets: the first folder of XDG_CONFIG_DIRS,
// with the system's backups kept apart; the person's own line still wins for them, and Clean Up
// says so without removing it. Without root, nothing is changed.
TEST_F(CliTest, TheSystemScopeIsWhatEveryNewAccountGets)
{
    const QString systemList = m_env.value(u"XDG_CONFIG_DIRS"_s).section(u':', 0, 0) + u"/mimeapps.list"_s;
    m_env.insert(u"OPENWRIGHT_SYSTEM_DATA"_s, m_root.filePath(u"var/lib/openwright"_s));
    const auto systemLines = [&] {
        QFile file(systemList);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    const QString before = systemLines();
    if (::geteuid() != 0) {
        const Outcome refused = run({u"set"_s, u".txt"_s, u"gedit"_s, u"--system"_s});
        EXPECT_EQ(refused.status, 2);
        EXPECT_TRUE(refused.err.contains(u"run it as root"_s)) << refused.err.toStdString();
        EXPECT_EQ(systemLines(), before);
        GTEST_SKIP() << "the rest writes the system's list: needs root";
    }
    QFile exported(m_root.filePath(u"lab.json"_s));
    ASSERT_TRUE(exported.open(QIODevice::WriteOnly));
    exported.write(R"({"format":"openwright.profiles","version":1,"profiles":[{"id":"L","name":"Lab","summary":"",
        "symbol":"book","kind":"custom","createdAt":"2025-03-01T09:30:00Z","entries":[
        {"target":".png","bundleID":"gimp","appName":"GIMP"},
        {"target":".odt","bundleID":"com.example.NoSuchOffice","appName":"No Such Office"}]}]})");
    exported.close();
    ASSERT_EQ(run({u"profile"_s, u"import"_s, u"lab.json"_s, u"--system"_s}).status, 0);
    const Outcome applied = run({u"profile"_s, u"apply"_s, u"Lab"_s, u"--system"_s});
    EXPECT_EQ(applied.status, 1) << applied.out.toStdString() << applied.err.toStdString();
    EXPECT_TRUE(applied.out.contains(u"Not set: not installed here"_s)) << applied.out.toStdString();
    EXPECT_TRUE(systemLines().contains(u"image/png=gimp.desktop;"_s)) << systemLines().toStdString();
    EXPECT_FALSE(systemLines().contains(u"NoSuchOffice"_s));
    EXPECT_TRUE(QFileInfo::exists(m_root.filePath(u"var/lib/openwright/Openwright/profiles.json"_s)))
        << "the system's backup, apart from the person's";
    EXPECT_EQ(QFileInfo(systemList).dir().entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList {u"mimeapps.list"_s})
        << "nothing but the list in the system's folder";

    const Outcome why = run({u"why"_s, u".png"_s, u"--system"_s});
    EXPECT_TRUE(why.out.contains(u"Set by your system: "_s + systemList + u" line"_s)) << why.out.toStdString();
    EXPECT_EQ(json({u"status"_s, u".png"_s, u"--system"_s})[u"types"_s][0][u"app"_s][u"desktopId"_s],
              u"gimp.desktop"_s);
    // The administrator's PDF viewer is Okular; the person chose Evince in their own list: that
    // stands, and Clean Up explains it.
    EXPECT_EQ(current(u".pdf"_s), u"org.gnome.Evince.desktop"_s);
    const Outcome doctor = run({u"doctor"_s});
    EXPECT_TRUE(doctor.out.contains(u"your system sets org.kde.okular.desktop for everyone"_s))
        << doctor.out.toStdString();

    EXPECT_EQ(run({u"profile"_s, u"export"_s, u"Lab"_s, u"-"_s, u"--format"_s, u"mimeapps"_s, u"--system"_s}).out,
              u"[Default Applications]\n# .odt: No Such Office (com.example.NoSuchOffice) is not installed here\n"
              u"image/png=gimp.desktop;\n"_s);
    EXPECT_EQ(run({u"reset"_s, u".png"_s, u"--system"_s}).status, 0);
    EXPECT_FALSE(systemLines().contains(u"image/png="_s));
}

struct CompletionRow
{
    QString line;
    QString words; // COMPREPLY, space-separated
};

TEST_F(CliTest, ShellCompletionAndManPageComeFromTheTable)
{
    const QString script = QStringLiteral(OPENWRIGHT_COMPLETIONS) + u"/openwright.bash"_s;
    EXPECT_EQ(QProcess::execute(u"bash"_s, {u"-n"_s, script}), 0);
    if (!QStandardPaths::findExecutable(u"zsh"_s).isEmpty()) {
        EXPECT_EQ(QProcess::execute(u"zsh"_s, {u"-n"_s, QStringLiteral(OPENWRIGHT_COMPLETIONS) + u"/_openwright"_s}),
                  0);
    }

    const QString cli = QStringLiteral(OPENWRIGHT_CLI);
    for (const CompletionRow& row :
         {CompletionRow {u"pro"_s, u"profile"_s}, CompletionRow {u"guard "_s, u"check log"_s},
          CompletionRow {u"status --c"_s, u"--candidates"_s}, CompletionRow {u"why mail"_s, u"mailto:"_s},
          CompletionRow {u"set zoommtg: Z"_s, u"zoommtg: Zoom Zoom.desktop"_s},
          CompletionRow {u"set .mp4 org."_s, u"org.gnome.Totem.desktop org.videolan.VLC.desktop"_s},
          // Each position: the command, a type, an application by name or ID (or, where more
          // types may follow, a type), a name.
          CompletionRow {u"rese"_s, u"reset"_s}, CompletionRow {u"reset mail"_s, u"mailto:"_s},
          CompletionRow {u"set .png gi"_s, u"gimp.desktop"_s},
          CompletionRow {u"set .png GNU"_s, u"GNU Image Manipulation Program"_s},
          CompletionRow {u"set .png .we"_s, u".webp"_s},
          CompletionRow {u"set .mp4 .mkv vl"_s, u"VLC VLC media player vlc.desktop"_s},
          CompletionRow {u"profile apply preset.wo"_s, u"preset.work"_s}}) {
        QProcess bash;
        bash.setProcessEnvironment(m_env);
        bash.start(u"bash"_s,
                   {u"-c"_s,
                    uR"(. "$0"; COMP_LINE="$1"; COMP_POINT=${#COMP_LINE}; _openwright; echo "${COMPREPLY[*]}")"_s,
                    script, cli + u' ' + row.line});
        ASSERT_TRUE(bash.waitForFinished(10'000));
        EXPECT_EQ(QString::fromUtf8(bash.readAllStandardOutput()).trimmed(), row.words) << row.line.toStdString();
    }

    QFile man(QStringLiteral(OPENWRIGHT_MAN_PAGE));
    ASSERT_TRUE(man.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(man.readAll());
    const QString help = run({u"--help"_s}).out;
    for (const openwright::cli::Command& c : openwright::cli::commands()) {
        const QString name = QString::fromLatin1(c.name);
        EXPECT_TRUE(page.contains(u".B "_s + QString(name).replace(u'-', u"\\-"_s))) << c.name; // roff's hyphen
        EXPECT_TRUE(help.contains(u"  "_s + name + u' ')) << c.name;
        // The launcher hands exactly the commands that change to their program.
        QList<QByteArray> words = QByteArray(c.name).split(' ');
        std::vector<char*> argv {const_cast<char*>("openwright")};
        for (QByteArray& word : words)
            argv.push_back(word.data());
        EXPECT_EQ(openwright::cli::isChange(int(argv.size()), argv.data()), c.change != openwright::cli::Change::none)
            << c.name;
    }
    // Every file Openwright reads or writes, every variable it follows, and examples.
    for (const QString& part :
         {u".SH FILES"_s, u"Openwright.conf"_s, u"autostart/io.github.openwright.Openwright.desktop"_s, u"kdeglobals"_s,
          u"xfce4/helpers.rc"_s, u"custom\\-WebBrowser.desktop"_s, u"$XDG_CONFIG_DIRS/mimeapps.list"_s,
          u".SH ENVIRONMENT"_s, u"LANGUAGE"_s, u"XDG_DATA_DIRS"_s, u"XDG_CONFIG_DIRS"_s, u"OPENWRIGHT_PSEUDO"_s,
          u".SH EXAMPLES"_s}) {
        EXPECT_TRUE(page.contains(part)) << part.toStdString();
    }
    // The help and the man page speak the user's language; names, options and arguments stay.
    const QString manFolder = QFileInfo(man.fileName()).absolutePath() + u"/man/"_s;
    QFile german(manFolder + u"de/openwright.1"_s);
    ASSERT_TRUE(german.open(QIODevice::ReadOnly));
    EXPECT_TRUE(german.readAll().contains(".SH BESCHREIBUNG\n"));
    EXPECT_TRUE(run({u"set"_s, u"--help"_s}).out.contains(u"\n\nAPP: A desktop-file ID (org.gnome.Evince or"_s));
    m_env.insert(u"LC_ALL"_s, u"de_DE.UTF-8"_s);
    EXPECT_TRUE(run({u"set"_s, u"--help"_s})
                    .out.startsWith(u"Aufruf: openwright set [--force] TARGET... APP [--json]\n\nMacht APP"_s));
    m_env.insert(u"LC_ALL"_s, u"fr_FR.UTF-8"_s);
    const QString french = run({u"--help"_s}).out;
    EXPECT_FALSE(QRegularExpression(u"\n *[:;?!»]"_s).match(french).hasMatch()) << french.toStdString();
    m_env.remove(u"LC_ALL"_s);

    // As lintian reads them: groff's warnings through man, and groff's own.
    QStringList pages {man.fileName()};
    for (const QString& language : QDir(manFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        pages.append(manFolder + language + u"/openwright.1"_s);
    EXPECT_EQ(pages.size(), 6);
    for (const QString& page : pages) {
        const QList<std::pair<QString, QStringList>> checkers {
            {u"man"_s, {u"--warnings"_s, u"-E"_s, u"UTF-8"_s, u"-l"_s, u"-Tutf8"_s, u"-Z"_s, page}},
            {u"groff"_s, {u"-man"_s, u"-ww"_s, u"-z"_s, u"-Kutf8"_s, page}}};
        for (const auto& [program, args] : checkers) {
            if (QStandardPaths::findExecutable(program).isEmpty())
                continue;
            QProcess checker;
            checker.setProcessEnvironment(m_env);
            checker.setStandardOutputFile(QProcess::nullDevice());
            checker.start(program, args);
            ASSERT_TRUE(checker.waitForFinished(10'000));
            EXPECT_EQ(checker.readAllStandardError(), QByteArray())
                << program.toStdString() << ' ' << page.toStdString();
        }
    }
}

// A table's columns line up in a terminal whatever the script of the names: padded by the
// columns each character takes, not by its code units.
TEST(Table, PadsByTheColumnsATerminalDraws)
{
    struct Case
    {
        QString name;
        qsizetype columns;
    };
    const Case cases[] = {{u"Okular"_s, 6},
                          {u"\u6587\u66F8\u30D3\u30E5\u30FC\u30A2"_s, 12},
                          {u"Cafe\u0301"_s, 4},
                          {u"\U0001F600 Smile"_s, 8},
                          {u"\x1b[1mBold\x1b[0m"_s, 4},
                          {u"\uD55C\uAE00 \uBDF0\uC5B4"_s, 9}};
    openwright::cli::Table table;
    for (const Case& c : cases) {
        EXPECT_EQ(openwright::cli::visibleWidth(c.name), c.columns) << c.name.toStdString();
        table.row({c.name, u"|"_s});
    }
    for (const QString& line : table.text().split(u'\n', Qt::SkipEmptyParts))
        EXPECT_EQ(openwright::cli::visibleWidth(line), 12 + 2 + 1) << line.toStdString();
}

} // namespace
