// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's own start: parsing, help, completion and the commands that read, with Qt
// Core and GIO only. The commands that change are handed on (see run() in Cli.cpp).
#include "Cli.h"

#include "Command.h"
#include "Output.h"

#include "Language.h"
#include "SystemLaunchServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace openwright::cli {

using namespace Qt::Literals::StringLiterals;

namespace {

// --system: the command runs as a new account of this machine would, whose own list is the
// system's: the first folder of XDG_CONFIG_DIRS, where every new account's defaults come from.
// Its data (the backups) and caches are the system's, kept apart from anyone's; it has no
// applications of its own. --desktop: as that desktop reads. Set before anything reads the
// environment (GIO reads it once); the program a change is handed to inherits it.
void enterScope(const QStringList& arguments)
{
    const qsizetype end = arguments.contains(u"--"_s) ? arguments.indexOf(u"--"_s) : arguments.size();
    const QStringList options = arguments.mid(0, end);
    if (!options.contains(u"--system"_s))
        return;
    for (qsizetype i = 0; i < options.size(); ++i) {
        if (options[i] == u"--desktop"_s && i + 1 < options.size())
            qputenv("XDG_CURRENT_DESKTOP", options[i + 1].toUtf8());
        else if (options[i].startsWith(u"--desktop="_s))
            qputenv("XDG_CURRENT_DESKTOP", options[i].mid(10).toUtf8());
    }
    const QString first = qEnvironmentVariable("XDG_CONFIG_DIRS").split(u':', Qt::SkipEmptyParts).value(0, u"/etc/xdg"_s);
    const QString data = qEnvironmentVariable("OPENWRIGHT_SYSTEM_DATA", u"/var/lib/openwright"_s);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(first));
    qputenv("XDG_DATA_HOME", QFile::encodeName(data));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(data + u"/cache"_s));
    qputenv("XDG_STATE_HOME", QFile::encodeName(data + u"/state"_s));
    // A lock of the system's own: no person's running window carries the command out.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(data + u"/run"_s));
    if (::geteuid() == 0) {
        QDir().mkpath(data + u"/run"_s);
        ::chmod(QFile::encodeName(data + u"/run"_s).constData(), 0700);
    }
}

// Text as a terminal may show it: control characters in names (a NUL would end the output, an
// escape sequence would drive the terminal) are written as \xHH, except line breaks, tabs and
// the few colour codes Style writes itself.
QByteArray printable(const QString& text)
{
    static constexpr QStringView kOwnCodes[] = {u"\x1b[0m", u"\x1b[1m", u"\x1b[2m"};
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.category() != QChar::Other_Control || c == u'\n' || c == u'\t') {
            shown += c;
            continue;
        }
        const QStringView rest = QStringView(text).mid(i);
        const auto own = std::find_if(std::begin(kOwnCodes), std::end(kOwnCodes),
                                      [&](QStringView code) { return rest.startsWith(code); });
        if (own != std::end(kOwnCodes)) {
            shown += *own;
            i += own->size() - 1;
            continue;
        }
        shown += u"\\x"_s + QString::number(c.unicode(), 16).rightJustified(2, u'0').toUpper();
    }
    return shown.toUtf8();
}

// With --json an error is a JSON document too, on standard output, unless the command already
// wrote its own (a run that partly failed).
int print(bool json, Reply reply)
{
    if (json && reply.status != 0 && reply.out.isEmpty()) {
        QString message = reply.err.trimmed();
        if (message.startsWith(u"openwright: "_s))
            message.remove(0, 12);
        printJson(reply, {{u"error"_s, message}, {u"status"_s, reply.status}});
    }
    std::fputs(printable(reply.out).constData(), stdout);
    // As coreutils do: output that never reached its file (a full disk, a closed descriptor)
    // fails the command, with the reason on standard error. Nothing writes to it afterwards.
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0 || std::fclose(stdout) != 0) {
        const int error = errno;
        reply.err += u"openwright: "_s
            + QCoreApplication::translate("cli", "Cannot write the output: %1")
                  .arg(QString::fromLocal8Bit(std::strerror(error)))
            + u'\n';
        reply.status = reply.status == 0 ? 1 : reply.status;
    }
    std::fputs(printable(reply.err).constData(), stderr);
    return reply.status;
}

// NO_COLOR counts only when it holds something (no-color.org): an empty one is as if unset.
bool colorTerminal()
{
    return ::isatty(STDOUT_FILENO) == 1 && qgetenv("TERM") != "dumb" && qgetenv("NO_COLOR").isEmpty();
}

} // namespace

int run(int argc, char** argv, const Changer& change)
{
    // A command's standard error carries its own messages only.
    gio::quietLogs();
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance())
        app = std::make_unique<QCoreApplication>(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    enterScope(arguments);
    const bool json = arguments.contains(u"--json"_s);
    // Machine-readable output stays in English, whatever the user's language.
    if (!json)
        Language::install(*QCoreApplication::instance());
    auto service = std::make_shared<DefaultsService>(std::make_shared<SystemLaunchServices>());
    if (arguments.value(0) == u"--complete"_s)
        return print(false, {complete(arguments.mid(1), Data(*service)), {}, 0});

    const Parsed parsed = parse(arguments, QDir::currentPath(), colorTerminal());
    if (!parsed.invocation)
        return print(json, parsed.reply);
    Invocation inv = *parsed.invocation;
    if (!inv.command->read && inv.system && ::geteuid() != 0) {
        return print(json, Reply().fail(2, QCoreApplication::translate(
                                               "cli", "--system changes what every new account of this machine "
                                                      "gets: run it as root, for example with sudo.")));
    }
    if (!inv.command->read)
        return print(json, change(inv, service));
    if (const Reply bad = validate(inv, *service); bad.status != 0)
        return print(json, bad);
    return print(json, inv.command->read(inv, Data(*service)));
}

} // namespace openwright::cli
