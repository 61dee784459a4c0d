// SPDX-License-Identifier: GPL-3.0-or-later
// The one table of commands, and what is made from it: the parser, --help, the man page and
// shell completion.
#include "Output.h"

#include "ApplicationIndex.h"
#include "PlatformText.h"

#include <QCoreApplication>

#include <algorithm>

namespace openwright::cli {

using namespace Qt::Literals::StringLiterals;

namespace {

const QList<Command> kCommands = {
    {"status", "[TARGET...]", "--candidates", QT_TRANSLATE_NOOP("cli help", "Show which application opens each type"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Shows each type's display form, title and current application, by name and desktop-file ID. Without "
         "TARGETs, every type Openwright watches, in the sections of its sidebar; pinned types are marked. With "
         "--candidates, every application that can open each type too, the current one marked with *."),
     &status},
    {"types", "[TEXT]", "", QT_TRANSLATE_NOOP("cli help", "List every type the system knows, with what opens it"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Lists every MIME type of the shared MIME database and every link type an installed application declares, "
         "grouped by media type: its MIME type, its description, its file-name patterns, the application that opens it "
         "and where that answer comes from. With TEXT, only the types whose MIME type, description, patterns or "
         "application hold it, in any case."),
     &types},
    {"set", "TARGET... APP", "--force", QT_TRANSLATE_NOOP("cli help", "Make APP open each TARGET"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Makes APP the default for each TARGET, all in one go, and prints each outcome (Changed, Already the default, "
         "or why not) and what opens each TARGET now. An application that does not say it can open a TARGET is "
         "refused, and nothing is changed, unless --force is given. Choosing a web browser for http: sets https:, "
         ".html and .htm with it. Exits with 1 when a change did not succeed. With --json and one TARGET, one object; "
         "with several, {\"changes\": [...]} with one object each. With a family (video/*, audio/*, image/*, text/*) "
         "or --all in place of the TARGETs, every type APP declares there."),
     nullptr, Change::set},
    {"reset", "TARGET...", "", QT_TRANSLATE_NOOP("cli help", "Let the system choose what opens each TARGET again"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Removes your own choice for each TARGET (its line in your mimeapps.list and your desktop's own list, and the "
         "associations that choices added), so that each opens in what the system chooses by itself, and prints what "
         "that is. While automatic backups are on, the current defaults are backed up first. Exits with 1 when a "
         "choice could not be removed."),
     nullptr, Change::reset},
    {"check", "TARGET APP", "", QT_TRANSLATE_NOOP("cli help", "Exit with 0 when APP opens TARGET, 1 when not"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Answers whether APP is the default for TARGET, for scripts: prints yes or no and exits with 0 or 1, as "
         "xdg-settings check does. The very entry counts when APP is a desktop-file ID, any packaging of the program "
         "when it is an identity."),
     &check},
    {"why", "TARGET", "", QT_TRANSLATE_NOOP("cli help", "Explain which list decides the application for TARGET"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Explains why TARGET opens where it does: every mimeapps.list the system reads, in the order of the "
         "freedesktop.org standard (your desktop's own list, yours, the administrator's, the distribution's, then the "
         "installed applications), what each says about the type, which entries are skipped because their "
         "application is not installed, and which one decides."),
     &why},
    {"open", "LOCATION", "--dry-run",
     QT_TRANSLATE_NOOP("cli help", "Open a file or link, or show what each program would start for it"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Opens LOCATION as GTK programs do. With --dry-run, starts nothing and prints what each program that opens "
         "files here would start for it, and why: GTK programs (GIO), KDE programs where KDE's libraries are "
         "installed, and xdg-open as it hands over on this desktop or decides by itself."),
     &openLocation},
    {"order", "TARGET", "",
     QT_TRANSLATE_NOOP("cli help", "Show the order in which the system offers applications for TARGET"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Lists every application the system offers for TARGET, in the order it tries them, as gio mime lists them: "
         "the default first, then the applications added for it, then the others. The default is marked, and so are "
         "the applications that open it only as a parent type (a text editor for source code); the applications "
         "you removed from it follow. Change it with reorder, remove and restore-association."),
     &order},
    {"reorder", "TARGET APP...", "",
     QT_TRANSLATE_NOOP("cli help", "Make the system offer the APPs first for TARGET, in this order"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Writes the APPs, in this order, as the default line of TARGET and its fallbacks and as associations added "
         "for it, in your mimeapps.list (and in your desktop's own list where that names TARGET): the first APP "
         "becomes the default, and the system offers the others next. A web browser's links, secure links and pages "
         "take the order together, and on KDE and Xfce the desktop's own browser setting takes the first APP. While "
         "automatic backups are on, the current defaults are backed up first. Prints the outcome and the new order; "
         "exits with 1 when the change did not succeed."),
     nullptr, Change::reorder},
    {"remove", "TARGET APP", "", QT_TRANSLATE_NOOP("cli help", "Stop the system offering APP for TARGET"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Removes APP from what the system offers for TARGET: a [Removed Associations] line in your mimeapps.list, and "
         "APP leaves your default and added lines of TARGET. The system reads removals only in mimeapps.list, not in "
         "a desktop's own list: where the system still offers APP, the outcome says so. Undo it with "
         "restore-association. Backed up first, as every change; exits with 1 when the change did not succeed."),
     nullptr, Change::removeAssociation},
    {"restore-association", "TARGET APP", "",
     QT_TRANSLATE_NOOP("cli help", "Let the system offer APP for TARGET again"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Takes APP off the applications you removed from TARGET, so that the system offers it again, and prints the "
         "new order."),
     nullptr, Change::restoreAssociation},
    {"agree", "[TARGET...]", "", QT_TRANSLATE_NOOP("cli help", "Make every program open each TARGET alike"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Where the programs that open files here would start different applications for a TARGET (GTK programs, "
         "KDE programs, xdg-open), writes what GTK programs start now as the TARGET's explicit default, which each "
         "of them honours. Without TARGETs, every type Openwright watches where they differ. While automatic backups "
         "are on, the current defaults are backed up first. Prints each TARGET and its outcome; exits with 1 when "
         "one still opens differently."),
     nullptr, Change::agree},
    {"health", "", "", QT_TRANSLATE_NOOP("cli help", "Show the health score and the types that need attention"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Shows the share of known types that open in a specific, installed application, and lists the types "
         "that need attention."),
     &health},
    {"app", "APP", "", QT_TRANSLATE_NOOP("cli help", "Show the types APP declares and where it is the default"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Lists the MIME types APP's desktop entry declares, by family (Video, Audio, Images, Documents, Text & Code, "
         "Archives, Links, Other), with what opens each now. To make APP the default for a family, use set video/* "
         "APP (or audio/*, image/*, text/*), or set --all APP for every type it declares."),
     &appCommand},
    {"pin", "TARGET", "--keep", QT_TRANSLATE_NOOP("cli help", "Let the Default Guard watch TARGET"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Pins TARGET, one of the types Openwright lists: when another application takes it over, the running "
         "Openwright notifies you and offers to put it back. With --keep it always keeps TARGET: it puts the "
         "application back at once and tells you, offering to allow the new one; after three takeovers within a "
         "minute it stops and waits for you. Without --keep, a kept type goes back to asking."),
     nullptr, Change::pin},
    {"unpin", "TARGET", "", QT_TRANSLATE_NOOP("cli help", "Stop watching TARGET"),
     QT_TRANSLATE_NOOP("cli help", "Unpins TARGET."), nullptr, Change::unpin},
    {"guard check", "", "", QT_TRANSLATE_NOOP("cli help", "Check the defaults now and print the changes found"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Reads every watched default now, records it as the Default Guard does, and prints the changes it "
         "found since the last check."),
     nullptr, Change::guardCheck},
    {"guard log", "", "",
     QT_TRANSLATE_NOOP("cli help", "Print the pinned types and the changes the Default Guard spotted"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Prints the pinned types (kept ones marked) and the changes the Default Guard spotted, newest first, with the "
         "program that probably made each where that can be told."),
     &guardLog},
    {"doctor", "", "--fix", QT_TRANSLATE_NOOP("cli help", "Find problems in your defaults files, and fix them"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Checks your own defaults files (mimeapps.list, your desktop's own list, the older lists in your "
         "applications folder) and your own desktop entries, and lists each problem with its file and line: lines "
         "naming applications no longer installed, another name of a type hiding its line, a type set twice, a "
         "default that is also removed, an older list or another desktop's list deciding instead of yours, entries "
         "of old \"open with a command\" dialogs and entries whose program is gone. A list that is a read-only link "
         "made by a configuration tool is explained, never changed. With --fix, repairs them: every changed file is "
         "first copied beside itself as NAME.before-cleanup-N, the defaults are backed up, and each file is written "
         "whole or not at all. Exits with 1 when a file could not be written."),
     nullptr, Change::doctor},
    {"profile list", "", "", QT_TRANSLATE_NOOP("cli help", "List the profiles and what applying each would change"),
     QT_TRANSLATE_NOOP("cli help",
                       "Lists the built-in profiles and your own, each with its id and what applying it would change."),
     &profileList},
    {"profile plan", "NAME", "", QT_TRANSLATE_NOOP("cli help", "Show what applying profile NAME would do"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Shows, type by type, what applying profile NAME would change, which defaults are already set and which "
         "applications are not installed."),
     &profilePlan},
    {"profile apply", "NAME", "", QT_TRANSLATE_NOOP("cli help", "Apply profile NAME"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Applies profile NAME and prints each step's outcome. While automatic backups are on, the current defaults "
         "are backed up first. Exits with 1 when any change did not succeed."),
     nullptr, Change::profileApply},
    {"profile export", "[NAME...] FILE", "--format=mimeapps", QT_TRANSLATE_NOOP("cli help", "Export profiles to FILE"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Writes your profiles NAME... to FILE, or without NAMEs all of your own, in the format that profile import "
         "and the window read. With --format=mimeapps, their defaults as a mimeapps.list fragment instead, for "
         "those who ship the file themselves; an entry whose application is not installed here is left out, with a "
         "comment."),
     &profileExport},
    {"profile import", "FILE", "", QT_TRANSLATE_NOOP("cli help", "Add the profiles of an export file"),
     QT_TRANSLATE_NOOP("cli help", "Adds the profiles of an export FILE to your own; backups in it join your backups."),
     nullptr, Change::profileImport},
    {"backup list", "", "", QT_TRANSLATE_NOOP("cli help", "List the backups, newest first"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Lists the backups, newest first, with their ids, why each was taken and how it differs from now."),
     &backupList},
    {"backup now", "", "", QT_TRANSLATE_NOOP("cli help", "Back up the current defaults"),
     QT_TRANSLATE_NOOP("cli help", "Saves the current defaults as a backup."), nullptr, Change::backupNow},
    {"backup restore", "NAME", "", QT_TRANSLATE_NOOP("cli help", "Restore backup NAME"),
     QT_TRANSLATE_NOOP(
         "cli help",
         "Puts back the defaults of backup NAME. While automatic backups are on, the current defaults are backed up "
         "first. Exits with 1 when any change did not succeed."),
     nullptr, Change::backupRestore},
    {"backup delete", "NAME", "", QT_TRANSLATE_NOOP("cli help", "Delete backup NAME"),
     QT_TRANSLATE_NOOP("cli help", "Deletes backup NAME."), nullptr, Change::backupDelete},
    {"help", "[COMMAND...]", "", QT_TRANSLATE_NOOP("cli help", "Show help for a command"),
     QT_TRANSLATE_NOOP("cli help", "Shows the help of COMMAND, or of the program.")},
};

// `set` with a family in place of its TARGETs (see familyCommand).
const Command kSetFamily
    = {"set",
       "FAMILY APP",
       "--all",
       QT_TRANSLATE_NOOP("cli help", "Make APP open every type it declares in FAMILY"),
       QT_TRANSLATE_NOOP(
           "cli help",
           "Makes APP the default for the types its desktop entry declares in FAMILY (video/*, audio/*, image/*, or "
           "text/* for text and code), or with --all for every type it declares, and never for a type it does not "
           "declare. Prints each type with its outcome; the changes run as one batch after a backup."),
       nullptr,
       Change::setFamily};

// Texts shared by --help and the man page: (term, description) rows and paragraphs.
const char* const kDescription = QT_TRANSLATE_NOOP(
    "cli help",
    "Shows and changes which installed application opens each kind of file (by extension) and each kind of "
    "link (by URL scheme). Without a command, starts the application. Commands need no display; they print plain "
    "text, or with --json one JSON document for scripts.");
const char* const kRunning = QT_TRANSLATE_NOOP(
    "cli help",
    "Commands that change Openwright's data (set, reset, reorder, remove, restore-association, pin, unpin, guard "
    "check, doctor, profile apply and import, backup now, restore and delete) are carried out by the running "
    "Openwright when there is one, so that the two "
    "never "
    "overwrite each other's files; otherwise the command holds Openwright's lock while it runs, and a window "
    "started meanwhile waits for it.");
const char* const kArguments[][2] = {
    {"TARGET",
     QT_TRANSLATE_NOOP(
         "cli help",
         "A file extension (.pdf or pdf), a link type ending in a colon (mailto:), a MIME type (application/pdf, "
         "inode/directory; an alias such as application/x-pdf is read as the type it stands for), the role terminal "
         "(the terminal that programs which run in one open in), or a file or folder (./report.pdf, ~/Downloads): the "
         "type the system gives it by its name and contents. A word is a path when it starts with /, ./, ../ or ~, or "
         "when it names an existing file and cannot be an extension (report.pdf); any other single word (pdf) is an "
         "extension, and .terminal the extension of that name.")},
    {"APP",
     QT_TRANSLATE_NOOP(
         "cli help",
         "A desktop-file ID (org.gnome.Evince or org.gnome.Evince.desktop), an application identity "
         "(com.google.Chrome), or a name as status --candidates shows it; the start of a name is enough when no other "
         "name starts so. An ambiguous name is refused with the choices listed.")},
    {"TEXT", QT_TRANSLATE_NOOP("cli help", "Words to look for, such as tex or *.md.")},
    {"NAME",
     QT_TRANSLATE_NOOP("cli help", "A profile's or backup's name, or its id as profile list and backup list show it.")},
    {"FILE", QT_TRANSLATE_NOOP("cli help", "A file name, relative to the current folder.")},
    {"LOCATION",
     QT_TRANSLATE_NOOP("cli help",
                       "A file (./report.pdf, relative to the current folder) or a link (https://example.org, "
                       "mailto:ann@example.org).")},
};
const char* const kOptions[][2] = {
    {"--json", QT_TRANSLATE_NOOP("cli help", "Print one JSON document instead of text.")},
    {"-h, --help", QT_TRANSLATE_NOOP("cli help", "Show the help of the program, or of the command given.")},
    {"--version", QT_TRANSLATE_NOOP("cli help", "Show the version.")},
    {"--dry-run", QT_TRANSLATE_NOOP("cli help", "With open: say what each program would start, and start nothing.")},
    {"--system",
     QT_TRANSLATE_NOOP(
         "cli help",
         "Read or change what every new account of this machine gets: the system's list, the first folder of "
         "XDG_CONFIG_DIRS (/etc/xdg/mimeapps.list). Changing needs root; backups are kept apart, in "
         "/var/lib/openwright.")},
    {"--desktop DESKTOP",
     QT_TRANSLATE_NOOP("cli help",
                       "With --system: read and write as DESKTOP (KDE, GNOME, XFCE) does, its own list first.")},
    {"--notify",
     QT_TRANSLATE_NOOP(
         "cli help",
         "With a command that changes: also show its outcome as a desktop notification, for a command started where no "
         "terminal shows what it prints (the desktop entry's Check Now and Back Up Now).")},
    {"--background",
     QT_TRANSLATE_NOOP("cli help",
                       "Without a command: start with the window hidden, guarding from the tray (as at login).")},
};
const char* const kEnvironment[][2] = {
    {"LANG, LC_ALL, LC_MESSAGES, LANGUAGE",
     QT_TRANSLATE_NOOP(
         "cli help",
         "The language of the texts: German, French, Spanish, Brazilian Portuguese or Italian, else English. Dates and "
         "numbers in a sentence follow its language. --json output is always English.")},
    {"XDG_CURRENT_DESKTOP",
     QT_TRANSLATE_NOOP(
         "cli help",
         "The desktops whose own defaults list (such as gnome-mimeapps.list) is read first and also written by set; on "
         "XFCE and KDE the desktop's own browser setting is read and written with the web links.")},
    {"XDG_CONFIG_HOME", QT_TRANSLATE_NOOP("cli help", "Where mimeapps.list and the settings are (default ~/.config).")},
    {"XDG_CONFIG_DIRS",
     QT_TRANSLATE_NOOP(
         "cli help", "The administrator's defaults lists and desktop settings, below the user's (default /etc/xdg).")},
    {"XDG_DATA_HOME",
     QT_TRANSLATE_NOOP("cli help",
                       "Where the applications of your own and Openwright's data files are (default ~/.local/share).")},
    {"XDG_DATA_DIRS",
     QT_TRANSLATE_NOOP(
         "cli help",
         "Where the installed applications, the distribution's defaults lists, the MIME database and Xfce's helpers "
         "are (default /usr/local/share:/usr/share).")},
    {"BROWSER",
     QT_TRANSLATE_NOOP("cli help",
                       "On Xfce, when its browser setting is Debian's sensible-browser helper: the browser that helper "
                       "starts, before "
                       "the x-www-browser alternative.")},
    {"NO_COLOR", QT_TRANSLATE_NOOP("cli help", "When set and not empty, text output has no colours.")},
    {"OPENWRIGHT_SYSTEM_DATA",
     QT_TRANSLATE_NOOP("cli help",
                       "With --system: where the system's backups are kept (default /var/lib/openwright).")},
    {"OPENWRIGHT_PSEUDO",
     QT_TRANSLATE_NOOP(
         "cli help",
         "When set to 1, the texts are shown in the pseudo-translation (longer, accented and bracketed), to find texts "
         "left untranslated or cut off.")},
};
const char* const kFiles[][2] = {
    {"$XDG_DATA_HOME/Openwright",
     QT_TRANSLATE_NOOP(
         "cli help",
         "custom-types.json, profiles.json and guard.json: the added types, the profiles and backups, and the Default "
         "Guard's memory.")},
    {"$XDG_CONFIG_HOME/Openwright/Openwright.conf",
     QT_TRANSLATE_NOOP("cli help",
                       "The settings: the guard on or off and its interval, automatic backups and update checks.")},
    {"$XDG_CONFIG_HOME/autostart/io.github.openwright.Openwright.desktop",
     QT_TRANSLATE_NOOP("cli help",
                       "Present while \"Open at login\" is on: the session starts openwright --background.")},
    {"$XDG_CONFIG_HOME/mimeapps.list",
     QT_TRANSLATE_NOOP(
         "cli help",
         "The defaults that set changes, with the desktop's own list (such as gnome-mimeapps.list) where that would "
         "otherwise win.")},
    {"$XDG_CONFIG_DIRS/mimeapps.list, $XDG_DATA_DIRS/applications/mimeapps.list",
     QT_TRANSLATE_NOOP("cli help",
                       "The administrator's and the distribution's defaults, read after the user's; never written.")},
    {"$XDG_DATA_HOME/applications/mimeapps.list",
     QT_TRANSLATE_NOOP(
         "cli help",
         "An older place of the user's defaults, still read by the system; the Clean Up moves what it decides.")},
    {"$XDG_CONFIG_HOME/kdeglobals",
     QT_TRANSLATE_NOOP("cli help", "KDE's browser setting ([General] BrowserApplication), read and written by set.")},
    {"$XDG_CONFIG_HOME/xfce4/helpers.rc",
     QT_TRANSLATE_NOOP(
         "cli help",
         "Xfce's browser setting (WebBrowser, the name of an Xfce helper), read and written by set; the system's is in "
         "$XDG_CONFIG_DIRS/xfce4/helpers.rc.")},
    {"$XDG_DATA_HOME/xfce4/helpers/custom-WebBrowser.desktop",
     QT_TRANSLATE_NOOP("cli help", "The Xfce helper set writes for a browser that no installed helper starts.")},
    {"/var/lib/openwright",
     QT_TRANSLATE_NOOP(
         "cli help",
         "With --system: the system's backups and data, kept apart from every person's (OPENWRIGHT_SYSTEM_DATA).")},
};
const char* const kExamples[][2] = {
    {"openwright status .pdf mailto:", QT_TRANSLATE_NOOP("cli help", "What opens PDF files and email links.")},
    {"openwright why .md",
     QT_TRANSLATE_NOOP("cli help",
                       "Why Markdown files open where they do: every list the system reads, in its order.")},
    {"openwright set http: firefox",
     QT_TRANSLATE_NOOP("cli help", "Make Firefox the web browser: links, secure links and web pages together.")},
    {"openwright set video/* vlc",
     QT_TRANSLATE_NOOP("cli help", "Make VLC the default for every video type it declares.")},
    {"openwright check mailto: thunderbird && echo yes",
     QT_TRANSLATE_NOOP("cli help", "Ask in a script whether Thunderbird opens email links.")},
    {"openwright profile export Work - > work.json",
     QT_TRANSLATE_NOOP("cli help", "Write the profile Work to a file, to import elsewhere.")},
    {"openwright status --json .pdf",
     QT_TRANSLATE_NOOP("cli help", "The same answer as one JSON document, for scripts.")},
};
const char* const kExitStatus[][2] = {
    {"0", QT_TRANSLATE_NOOP("cli help", "Done.")},
    {"1", QT_TRANSLATE_NOOP("cli help", "A change did not succeed, or the command could not be carried out.")},
    {"2",
     QT_TRANSLATE_NOOP("cli help",
                       "Bad input: an unknown command or option, text that is not a type, a type the system does not "
                       "recognise, or an unknown or ambiguous application or name.")},
};

QString text(const char* s)
{
    return QString::fromUtf8(s);
}

// A help text in the user's language; names, arguments and options stay as typed.
QString helpText(const char* s)
{
    return QCoreApplication::translate("cli help", s);
}

QStringList nameWords(const Command& c)
{
    return text(c.name).split(u' ');
}

struct Arg
{
    QString kind;
    bool optional = false;
    bool repeated = false;
};

QList<Arg> argsOf(const Command& c)
{
    QList<Arg> args;
    for (QString word : text(c.arguments).split(u' ', Qt::SkipEmptyParts)) {
        Arg a;
        a.optional = word.startsWith(u'[');
        word.remove(u'[').remove(u']');
        a.repeated = word.endsWith(u"..."_s);
        a.kind = word.remove(u"..."_s);
        args.append(a);
    }
    return args;
}

// The kind of each of `count` positional arguments: those before the repeated one from the
// front, those after it from the back, the rest the repeated one's.
QStringList kindsOf(const QList<Arg>& args, qsizetype count)
{
    const auto repeated = std::find_if(args.cbegin(), args.cend(), [](const Arg& a) { return a.repeated; });
    const qsizetype before = repeated - args.cbegin();
    const qsizetype after = repeated == args.cend() ? 0 : args.cend() - repeated - 1;
    QStringList kinds;
    for (qsizetype i = 0; i < count; ++i) {
        if (i < before || repeated == args.cend())
            kinds.append(args.value(i).kind);
        else if (count - i <= after)
            kinds.append(args[args.size() - (count - i)].kind);
        else
            kinds.append(repeated->kind);
    }
    return kinds;
}

// The command whose name the words start with, the longest if several.
const Command* find(const QStringList& words)
{
    const Command* best = nullptr;
    for (const Command& c : kCommands) {
        const QStringList name = nameWords(c);
        if (words.mid(0, name.size()) == name && (!best || name.size() > nameWords(*best).size()))
            best = &c;
    }
    return best;
}

// The second words of a group's commands ("check", "log" for "guard").
QStringList subcommands(const QString& group)
{
    QStringList subs;
    for (const Command& c : kCommands) {
        const QStringList name = nameWords(c);
        if (name.size() > 1 && name.first() == group)
            subs.append(name.at(1));
    }
    return subs;
}

QString usage(const Command& c)
{
    QString s = u"openwright "_s + text(c.name);
    if (*c.options)
        s += u" ["_s + text(c.options) + u']';
    if (*c.arguments)
        s += u' ' + text(c.arguments);
    return s;
}

// Plain text wrapped at 78 columns after `indent`.
QString wrap(const QString& paragraph, int indent)
{
    // French sets a space before : ; ? ! » and after «: those stay with their word.
    QStringList words;
    for (const QString& word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
        static const QString kBefore = u":;?!»"_s;
        if (!words.isEmpty() && (words.last() == u"«"_s || (word.size() == 1 && kBefore.contains(word))))
            words.last() += u' ' + word;
        else
            words.append(word);
    }
    QString out;
    QString line;
    for (const QString& word : std::as_const(words)) {
        if (!line.isEmpty() && indent + line.size() + 1 + word.size() > 78) {
            out += QString(indent, u' ') + line + u'\n';
            line.clear();
        }
        line += (line.isEmpty() ? QString() : u" "_s) + word;
    }
    return out + QString(indent, u' ') + line + u'\n';
}

template<size_t N> QString terms(const char* const (&rows)[N][2])
{
    QString out;
    for (const auto& row : rows)
        out += u"  "_s + text(row[0]) + u'\n' + wrap(helpText(row[1]), 6);
    return out;
}

QString programHelp()
{
    QString out = helpText(QT_TRANSLATE_NOOP("cli help", "Usage:"))
        + u" openwright [COMMAND] [ARGUMENTS] [--json]\n\n"_s + wrap(helpText(kDescription), 0) + u'\n';
    Table table;
    for (const Command& c : kCommands)
        table.row({u"  "_s + text(c.name) + u' ' + text(c.arguments), helpText(c.summary)});
    out += helpText(QT_TRANSLATE_NOOP("cli help", "Commands:")) + u'\n' + table.text() + u'\n';
    out += helpText(QT_TRANSLATE_NOOP("cli help", "Arguments:")) + u'\n' + terms(kArguments) + u'\n';
    out += helpText(QT_TRANSLATE_NOOP("cli help", "Options:")) + u'\n' + terms(kOptions) + u'\n';
    out += helpText(QT_TRANSLATE_NOOP("cli help", "Exit status:")) + u'\n' + terms(kExitStatus) + u'\n';
    out += wrap(helpText(kRunning), 0);
    out += u'\n'
        + helpText(QT_TRANSLATE_NOOP("cli help", "See \"%1\" for one command.")).arg(u"openwright COMMAND --help"_s)
        + u'\n';
    return out;
}

QString groupHelp(const QString& group)
{
    Table table;
    for (const Command& c : kCommands) {
        if (nameWords(c).first() == group)
            table.row({u"  "_s + usage(c), helpText(c.summary)});
    }
    return helpText(QT_TRANSLATE_NOOP("cli help", "Usage:")) + u" openwright "_s + group
        + u" COMMAND [ARGUMENTS] [--json]\n\n"_s + helpText(QT_TRANSLATE_NOOP("cli help", "Commands:")) + u'\n'
        + table.text() + u'\n'
        + helpText(QT_TRANSLATE_NOOP("cli help", "See \"%1\" for one command."))
              .arg(u"openwright "_s + group + u" COMMAND --help"_s)
        + u'\n';
}

QString commandHelp(const Command& c)
{
    QString out = helpText(QT_TRANSLATE_NOOP("cli help", "Usage:")) + u' ' + usage(c) + u" [--json]\n\n"_s
        + wrap(helpText(c.help), 0);
    QStringList kinds;
    for (const Arg& a : argsOf(c)) {
        if (!kinds.contains(a.kind))
            kinds.append(a.kind);
    }
    for (const auto& row : kArguments) {
        if (kinds.contains(text(row[0])))
            out += u'\n' + wrap(text(row[0]) + u": "_s + helpText(row[1]), 0);
    }
    return out;
}

// troff: a backslash is \e, a "-" is \-, and a line must not start with "." or "'".
QString roff(const QString& s)
{
    QString out = s;
    out.replace(u'\\', u"\\e"_s).replace(u'-', u"\\-"_s);
    if (out.startsWith(u'.') || out.startsWith(u'\''))
        out.prepend(u"\\&"_s);
    return out;
}

// Terms in bold, or in italics (`font` "I", as paths are set).
template<size_t N> QString roffTerms(const char* const (&rows)[N][2], const QString& font = u"B"_s)
{
    QString out;
    for (const auto& row : rows)
        out += u".TP\n."_s + font + u' ' + roff(text(row[0])) + u'\n' + roff(helpText(row[1])) + u'\n';
    return out;
}

// A section heading of the man page, in capitals as man pages set them.
QString section(const char* heading)
{
    return u".SH "_s + roff(helpText(heading)) + u'\n';
}

QString manPage()
{
    QString out = u".TH OPENWRIGHT 1 \"\" \"Openwright "_s + QStringLiteral(OPENWRIGHT_VERSION) + u"\" \""_s
        + helpText(QT_TRANSLATE_NOOP("cli help", "User Commands")) + u"\"\n"_s
        + section(QT_TRANSLATE_NOOP("cli help", "NAME")) + u"openwright \\- "_s
        + roff(helpText(
            QT_TRANSLATE_NOOP("cli help", "show and change which application opens each file and link type")))
        + u'\n' + section(QT_TRANSLATE_NOOP("cli help", "SYNOPSIS"))
        + u".B openwright\n[\\fB\\-\\-background\\fR]\n.br\n.B openwright\n.I COMMAND\n[\\fIARGUMENTS\\fR] "
          u"[\\fB\\-\\-json\\fR]\n"_s
        + section(QT_TRANSLATE_NOOP("cli help", "DESCRIPTION")) + roff(helpText(kDescription)) + u"\n.PP\n"_s
        + roff(helpText(kRunning)) + u'\n' + section(QT_TRANSLATE_NOOP("cli help", "COMMANDS"));
    for (const Command& c : kCommands) {
        out += u".TP\n.B "_s + roff(text(c.name));
        if (*c.options)
            out += u" \\fR[\\fB"_s + roff(text(c.options)) + u"\\fR]"_s;
        if (*c.arguments)
            out += u" \\fI"_s + roff(text(c.arguments)) + u"\\fR"_s;
        out += u'\n' + roff(helpText(c.help)) + u'\n';
    }
    out += section(QT_TRANSLATE_NOOP("cli help", "ARGUMENTS")) + roffTerms(kArguments)
        + section(QT_TRANSLATE_NOOP("cli help", "OPTIONS")) + roffTerms(kOptions)
        + section(QT_TRANSLATE_NOOP("cli help", "EXIT STATUS")) + roffTerms(kExitStatus)
        + section(QT_TRANSLATE_NOOP("cli help", "ENVIRONMENT")) + roffTerms(kEnvironment);
    out += section(QT_TRANSLATE_NOOP("cli help", "FILES")) + roffTerms(kFiles, u"I"_s)
        + section(QT_TRANSLATE_NOOP("cli help", "EXAMPLES")) + roffTerms(kExamples)
        + section(QT_TRANSLATE_NOOP("cli help", "SEE ALSO"))
        + u".BR xdg\\-mime (1),\n.BR gio (1),\n.BR sensible\\-browser (1)\n"_s;
    return out;
}

} // namespace

const QList<Command>& commands()
{
    return kCommands;
}

const Command* familyCommand(const Command& command, QStringList& words, const QStringList& options)
{
    if (qstrcmp(command.name, "set") != 0)
        return nullptr;
    if (options.contains(u"--all"_s)) {
        if (words.size() == 1)
            words.prepend(u"*"_s);
        return &kSetFamily;
    }
    return !words.isEmpty() && TypeFamilies::fromPattern(words.first()) ? &kSetFamily : nullptr;
}

QStringList argumentKinds(const Command& command, qsizetype count)
{
    return kindsOf(argsOf(command), count);
}

QList<Target> Invocation::targets() const
{
    QList<Target> list;
    const QStringList kinds = argumentKinds(*command, arguments.size());
    for (qsizetype i = 0; i < kinds.size(); ++i) {
        if (kinds[i] == u"TARGET"_s)
            list.append(target(i));
    }
    return list;
}

Parsed parse(const QStringList& arguments, const QString& workingDirectory, bool color)
{
    Parsed parsed;
    Reply& reply = parsed.reply;
    if (arguments.value(0) == u"--version"_s) {
        reply.line(u"openwright "_s + QStringLiteral(OPENWRIGHT_VERSION));
        return parsed;
    }
    if (arguments.value(0) == u"--help-man"_s) {
        reply.out = manPage();
        return parsed;
    }
    QStringList words;
    QStringList options;
    bool json = false;
    bool help = false;
    bool onlyWords = false;
    bool system = false;
    bool notify = false;
    QString desktop;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        // An option with a value, given as "--option VALUE" or "--option=VALUE".
        const auto value = [&](const QString& name) -> std::optional<QString> {
            if (a == name && i + 1 < arguments.size())
                return arguments[++i];
            if (a.startsWith(name + u'='))
                return a.mid(name.size() + 1);
            return std::nullopt;
        };
        if (onlyWords || !a.startsWith(u'-') || a == u"-"_s)
            words.append(a);
        else if (a == u"--"_s)
            onlyWords = true;
        else if (a == u"--json"_s)
            json = true;
        else if (a == u"--system"_s)
            system = true;
        else if (a == u"--notify"_s)
            notify = true;
        else if (const auto d = value(u"--desktop"_s))
            desktop = *d;
        else if (const auto f = value(u"--format"_s))
            options.append(u"--format="_s + *f);
        else if (a == u"--help"_s || a == u"-h"_s)
            help = true;
        else
            options.append(a);
    }
    if (words.value(0) == u"help"_s) {
        help = true;
        words.removeFirst();
    }

    const Command* command = find(words);
    if (!command) {
        const QStringList subs = subcommands(words.value(0));
        if (words.isEmpty() && (help || options.isEmpty()))
            reply.out = programHelp();
        else if (words.isEmpty())
            reply.fail(
                2,
                QCoreApplication::translate("cli", "%1 is not an option. See openwright --help.").arg(options.first()));
        else if (!subs.isEmpty() && help)
            reply.out = groupHelp(words.first());
        else if (!subs.isEmpty())
            reply.fail(
                2, QCoreApplication::translate("cli", "%1 needs one of: %2.").arg(words.first(), subs.join(u", "_s)));
        else
            reply.fail(
                2,
                QCoreApplication::translate("cli", "“%1” is not a command. See openwright --help.").arg(words.first()));
        return parsed;
    }
    if (help) {
        reply.out = commandHelp(*command);
        return parsed;
    }
    words = words.mid(nameWords(*command).size());
    if (const Command* family = familyCommand(*command, words, options))
        command = family;
    const QStringList own = text(command->options).split(u' ', Qt::SkipEmptyParts);
    for (const QString& o : options) {
        if (!own.contains(o)) {
            reply.fail(2,
                       QCoreApplication::translate("cli", "%1 is not an option of %2. See openwright %2 --help.")
                           .arg(o, text(command->name)));
            return parsed;
        }
    }
    const QList<Arg> args = argsOf(*command);
    const qsizetype required = std::count_if(args.cbegin(), args.cend(), [](const Arg& a) { return !a.optional; });
    const bool repeated = std::any_of(args.cbegin(), args.cend(), [](const Arg& a) { return a.repeated; });
    if (words.size() < required || (!repeated && words.size() > args.size())) {
        const QString what = words.size() < required
            ? QCoreApplication::translate("cli", "%1 is missing. Usage: %2")
                  .arg(kindsOf(args, required).at(words.size()))
            : QCoreApplication::translate("cli", "“%1” is one argument too many. Usage: %2").arg(words.last());
        reply.fail(2, what.arg(usage(*command)));
        return parsed;
    }
    if (!desktop.isEmpty() && !system) {
        reply.fail(2,
                   QCoreApplication::translate("cli",
                                               "--desktop goes with --system: your own desktop is the one "
                                               "you are logged in to."));
        return parsed;
    }
    if (notify && (command->read || json)) {
        reply.fail(2,
                   QCoreApplication::translate("cli",
                                               "--notify goes with a command that changes, without --json: "
                                               "it tells a person what the command did."));
        return parsed;
    }
    parsed.invocation
        = Invocation {command, words, options, json, color, workingDirectory, std::nullopt, system, notify};
    return parsed;
}

Reply validate(Invocation& inv, const DefaultsService& service)
{
    Reply reply = parseTargets(inv);
    if (reply.status != 0)
        return reply;
    for (const Target& target : inv.targets()) {
        if (!service.platformType(target))
            return reply.fail(2, unknownTypeText(target.payload()));
    }
    return reply;
}

QString complete(const QStringList& words, const Data& data)
{
    const QString current = words.value(words.size() - 1);
    QStringList before;
    for (const QString& w : words.mid(0, words.size() - 1)) {
        if (!w.startsWith(u'-'))
            before.append(w);
    }
    const Command* command = find(before);
    QStringList found;
    if (current.startsWith(u'-')) {
        found = {u"--json"_s, u"--help"_s};
        if (command)
            found += text(command->options).split(u' ', Qt::SkipEmptyParts);
        if (words.size() == 1)
            found.append(u"--version"_s);
    } else if (!command || qstrcmp(command->name, "help") == 0) {
        // The next word of a command's name.
        const QStringList typed = command ? QStringList() : before;
        for (const Command& c : kCommands) {
            const QStringList name = nameWords(c);
            if (name.size() > typed.size() && name.mid(0, typed.size()) == typed && !found.contains(name[typed.size()]))
                found.append(name[typed.size()]);
        }
    } else {
        const QStringList given = before.mid(nameWords(*command).size());
        // The word as the last argument, or with more to come ("set .png .jpg gimp").
        const QList<Arg> args = argsOf(*command);
        QStringList kinds {kindsOf(args, given.size() + 1).value(given.size())};
        if (std::any_of(args.cbegin(), args.cend(), [](const Arg& a) { return a.repeated; }))
            kinds.append(kindsOf(args, given.size() + 2).value(given.size()));
        if (kinds.contains(u"FILE"_s))
            return u":files\n"_s;
        if (kinds.contains(u"TARGET"_s)) {
            for (const FileCategory& c : data.categories())
                found.append(c.target.id());
        }
        if (kinds.contains(u"APP"_s)) {
            // The applications that can open the first type, by name as status shows them and
            // by desktop-file ID.
            if (const auto target = Target::parse(given.value(0))) {
                const QList<AppInfo> candidates = data.service().state(*target).candidates;
                const QHash<QUrl, QString> names = distinctNames(candidates);
                for (const AppInfo& a : candidates)
                    found << names.value(a.url, a.name) << desktopFileId(a);
            }
        }
        if (kinds.contains(u"NAME"_s)) {
            for (const Profile& p : text(command->name).startsWith(u"backup"_s) ? data.backups() : data.profiles())
                found.append(shortId(p));
        }
    }
    QStringList shown;
    for (const QString& f : std::as_const(found)) {
        if (f.startsWith(current, Qt::CaseInsensitive) && !shown.contains(f))
            shown.append(f);
    }
    return shown.isEmpty() ? QString() : shown.join(u'\n') + u'\n';
}

} // namespace openwright::cli
