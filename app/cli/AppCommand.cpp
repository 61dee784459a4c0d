// SPDX-License-Identifier: GPL-3.0-or-later
// `app APP`: the types an application declares, by family, and where it is the default.
#include "Output.h"

#include "ApplicationIndex.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace openwright::cli {

using namespace Qt::Literals::StringLiterals;

Reply appCommand(const Invocation& inv, const Data& data)
{
    Reply reply;
    const QString name = inv.arguments.value(0);
    const auto located = locateApp(data.service(), name, reply);
    if (!located)
        return reply;
    const ApplicationIndex index = ApplicationIndex::read(data.service(), data.categories(), located->app.url);
    const InstalledApp* found = index.app(located->app.url);
    if (!found)
        return reply.fail(2, u"%1 is not an application a person would choose from."_s.arg(name));
    const Style style {inv.color};
    Table table;
    QJsonArray declared;
    std::optional<TypeFamily> family;
    int defaults = 0;
    for (const DeclaredType& line : found->declared) {
        const auto current = index.currentDefault(line.type);
        const bool isDefault = index.isDefault(found->app.url, line.type);
        defaults += isDefault ? 1 : 0;
        if (family != line.family) {
            family = line.family;
            table.heading(style.bold(TypeFamilies::title(line.family)));
        }
        table.row({line.type, line.title, isDefault ? u"default"_s : style.dim(appName(current))});
        declared.append(QJsonObject {{u"type"_s, line.type},
                                     {u"family"_s, TypeFamilies::title(line.family)},
                                     {u"title"_s, line.title},
                                     {u"target"_s, line.target.id()},
                                     {u"listed"_s, line.listed},
                                     {u"app"_s, appJson(current)},
                                     {u"isDefault"_s, isDefault}});
    }
    if (inv.json) {
        printJson(reply, {{u"app"_s, appJson(found->app)}, {u"declared"_s, declared}, {u"defaultFor"_s, defaults}});
        return reply;
    }
    reply.line(style.bold(inOneLine(found->shownName)) + u"  "_s + style.dim(desktopFileId(found->app)));
    if (found->declared.isEmpty()) {
        reply.line(QCoreApplication::translate("cli", "Declares no types in its desktop entry."));
        return reply;
    }
    reply.line(QCoreApplication::translate("cli", "Declares %n types; the default for %1 of them.", nullptr,
                                           int(found->declared.size()))
                   .arg(defaults));
    reply.out += table.text();
    return reply;
}

} // namespace openwright::cli
