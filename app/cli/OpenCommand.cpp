// SPDX-License-Identifier: GPL-3.0-or-later
// open: what each program that opens files would start for a file or link, and, without
// --dry-run, opening it as GTK programs do.
#include "Output.h"

#include "Gio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QRegularExpression>

namespace openwright::cli {

using namespace Qt::Literals::StringLiterals;

namespace {

struct Location
{
    QString type; // the platform type
    QString file; // absolute path; empty for a link
    QString uri;
};

// A link is "scheme:…" with a scheme of two letters or more (so "C:" stays a name); anything
// else is a file, relative to the caller's folder.
std::optional<Location> locate(const QString& text, const QString& workingDirectory, Reply& reply)
{
    static const QRegularExpression link(u"^([A-Za-z][A-Za-z0-9+.-]+):"_s);
    if (const auto m = link.match(text); m.hasMatch() && !text.startsWith(u"./"_s)) {
        const QString scheme = m.captured(1).toLower();
        if (scheme == u"file"_s)
            return locate(QUrl(text).toLocalFile(), workingDirectory, reply);
        return Location {u"x-scheme-handler/"_s + scheme, {}, text};
    }
    const auto file = typedFile(text, workingDirectory, reply);
    if (!file)
        return std::nullopt;
    return Location {file->type, file->path, QUrl::fromLocalFile(file->path).toString()};
}

QString appText(const OpenerAnswer& answer, const DefaultsService& service)
{
    if (!answer.app)
        return answer.fallback.isEmpty()
            ? QCoreApplication::translate("cli", "nothing")
            : QCoreApplication::translate("cli", "no application; runs %1").arg(answer.fallback);
    return u"%1 (%2)"_s.arg(service.appInfo(*answer.app).name, answer.id);
}

QString label(const OpenerAnswer& answer)
{
    if (answer.opener != Opener::xdgOpen)
        return openerLabel(answer.opener);
    return answer.desktop.isEmpty() ? u"xdg-open"_s : u"xdg-open (%1)"_s.arg(answer.desktop);
}

} // namespace

QString unsettled(const QList<OpenerAnswer>& answers)
{
    QStringList why;
    for (const OpenerAnswer& a : answers) {
        if (!a.unsettled.isEmpty() && !why.contains(a.unsettled))
            why.append(a.unsettled);
    }
    return why.join(u"; "_s);
}

QJsonArray openersJson(const QList<OpenerAnswer>& answers, const DefaultsService& service)
{
    QJsonArray out;
    for (const OpenerAnswer& a : answers) {
        QJsonObject o {{u"opener"_s, openerName(a.opener)},
                       {u"app"_s, a.app ? QJsonValue(a.id) : QJsonValue()},
                       {u"name"_s, a.app ? QJsonValue(service.appInfo(*a.app).name) : QJsonValue()},
                       {u"tied"_s, QJsonArray::fromStringList(a.tied)},
                       {u"rule"_s, a.rule}};
        if (a.opener == Opener::xdgOpen) {
            o.insert(u"desktop"_s, a.desktop);
            o.insert(u"via"_s, a.route);
        }
        if (!a.fallback.isEmpty())
            o.insert(u"fallback"_s, a.fallback);
        if (!a.unsettled.isEmpty())
            o.insert(u"unsettled"_s, a.unsettled);
        out.append(o);
    }
    return out;
}

void printOpeners(Reply& reply, const QList<OpenerAnswer>& answers, const DefaultsService& service)
{
    Table table;
    for (const OpenerAnswer& a : answers)
        table.row({label(a), appText(a, service), a.rule});
    reply.out += table.text();
}

Reply openLocation(const Invocation& inv, const Data& data)
{
    Reply reply;
    const auto location = locate(inv.arguments.first().trimmed(), inv.workingDirectory, reply);
    if (!location)
        return reply;
    if (!inv.has(u"--dry-run")) {
        if (const auto error = gio::launchDefault(location->uri))
            return reply.fail(1, inv.arguments.first() + u": "_s + error->message);
        return reply;
    }
    const QList<OpenerAnswer> answers = data.service().openers(location->type, location->file);
    if (inv.json) {
        QJsonObject o {{u"target"_s, location->type},
                       {u"file"_s, location->file.isEmpty() ? QJsonValue() : QJsonValue(location->file)},
                       {u"openers"_s, openersJson(answers, data.service())}};
        if (const QString why = unsettled(answers); !why.isEmpty())
            o.insert(u"conflict"_s, why);
        printJson(reply, o);
        return reply;
    }
    reply.line(QCoreApplication::translate("cli", "%1 is %2. Each program would start:")
                   .arg(inv.arguments.first(), location->type));
    printOpeners(reply, answers, data.service());
    return reply;
}

} // namespace openwright::cli
