// SPDX-License-Identifier: GPL-3.0-or-later
#include "Output.h"

#include "DateText.h"
#include "DecisionChain.h"
#include "Json.h"
#include "Notifier.h"
#include "SystemLaunchServices.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <algorithm>

namespace openwright::cli {

using namespace Qt::Literals::StringLiterals;

namespace {

// The columns a character takes in a terminal: none for a combining mark or a zero-width
// character, two for East Asian wide and full-width characters and emoji (Unicode's East Asian
// Width W and F, as terminals draw them), one for the rest.
int columns(char32_t c)
{
    if (c == 0x200B || c == 0x200C || c == 0x200D || c == 0x2060 || c == 0xFEFF || (c >= 0xFE00 && c <= 0xFE0F))
        return 0;
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format: return 0;
    default: break;
    }
    static constexpr std::pair<char32_t, char32_t> kWide[] = {
        {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},   {0x25FD, 0x25FE},
        {0x2614, 0x2615},   {0x2648, 0x2653},   {0x26AA, 0x26AB},   {0x26BD, 0x26BE},   {0x26F5, 0x26F5},
        {0x2705, 0x2705},   {0x270A, 0x270B},   {0x2728, 0x2728},   {0x274C, 0x274C},   {0x2753, 0x2755},
        {0x2795, 0x2797},   {0x2B1B, 0x2B1C},   {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},
        {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xA960, 0xA97F},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},
        {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x16FE0, 0x16FE4},
        {0x17000, 0x18CFF}, {0x1B000, 0x1B2FF}, {0x1F004, 0x1F004}, {0x1F0CF, 0x1F0CF}, {0x1F18E, 0x1F18E},
        {0x1F191, 0x1F19A}, {0x1F200, 0x1F251}, {0x1F300, 0x1F64F}, {0x1F680, 0x1F6FF}, {0x1F7E0, 0x1F7EB},
        {0x1F90C, 0x1F9FF}, {0x1FA70, 0x1FAFF}, {0x20000, 0x3FFFD},
    };
    for (const auto& [first, last] : kWide) {
        if (c < first)
            return 1;
        if (c <= last)
            return 2;
    }
    return 1;
}

} // namespace

qsizetype visibleWidth(const QString& text)
{
    qsizetype width = 0;
    const QList<uint> points = text.toUcs4();
    for (qsizetype i = 0; i < points.size(); ++i) {
        if (points.at(i) == 0x1b) {
            while (i < points.size() && points.at(i) != u'm')
                ++i;
            continue;
        }
        width += columns(char32_t(points.at(i)));
    }
    return width;
}

namespace {

QString reasonKind(const BackupReason& reason)
{
    switch (reason.kind()) {
    case BackupReason::Case::manual: return u"manual"_s;
    case BackupReason::Case::daily: return u"daily"_s;
    case BackupReason::Case::beforeProfile: return u"beforeProfile"_s;
    case BackupReason::Case::beforeRestore: return u"beforeRestore"_s;
    case BackupReason::Case::beforeRevert: return u"beforeRevert"_s;
    }
    return {};
}

QString stepKind(PlanStep::Case kind)
{
    switch (kind) {
    case PlanStep::Case::change: return u"change"_s;
    case PlanStep::Case::alreadySet: return u"alreadySet"_s;
    case PlanStep::Case::notInstalled: return u"notInstalled"_s;
    case PlanStep::Case::replaced: return u"replaced"_s;
    case PlanStep::Case::unknownType: return u"unknownType"_s;
    }
    return {};
}

} // namespace

QString inOneLine(const QString& text)
{
    QString out = text;
    return out.replace(u'\n', u"\\n"_s).replace(u'\t', u"\\t"_s).replace(u'\r', u"\\r"_s);
}

Reply& Reply::fail(int code, const QString& message)
{
    if (status == 0) {
        err += u"openwright: "_s + message + u'\n';
        status = code;
    }
    return *this;
}

QString Table::text() const
{
    const bool indented = std::any_of(m_lines.cbegin(), m_lines.cend(), [](const Line& l) { return l.heading; });
    QList<qsizetype> widths;
    for (const Line& line : m_lines) {
        if (line.heading)
            continue;
        const qsizetype sized = line.runsOn ? line.cells.size() - 1 : line.cells.size();
        widths.resize(std::max(widths.size(), sized));
        for (qsizetype i = 0; i < sized; ++i)
            widths[i] = std::max(widths[i], visibleWidth(inOneLine(line.cells[i])));
    }
    QString text;
    for (const Line& line : m_lines) {
        if (line.heading) {
            text += inOneLine(line.cells.first()) + u'\n';
            continue;
        }
        QString row = indented ? u"  "_s : QString();
        for (qsizetype i = 0; i < line.cells.size(); ++i) {
            const QString cell = inOneLine(line.cells[i]);
            row += cell;
            if (i + 1 < line.cells.size())
                row += QString(widths[i] - visibleWidth(cell) + 2, u' ');
        }
        while (row.endsWith(u' '))
            row.chop(1);
        text += row + u'\n';
    }
    return text;
}

QString Style::bold(const QString& text) const
{
    return color ? u"\x1b[1m"_s + text + u"\x1b[0m"_s : text;
}

QString Style::dim(const QString& text) const
{
    return color && !text.isEmpty() ? u"\x1b[2m"_s + text + u"\x1b[0m"_s : text;
}

void printJson(Reply& reply, const QJsonObject& object)
{
    // Every document names its form, as the export file does, so that a script can tell a later
    // one (which may add members) from this.
    QJsonObject document = object;
    document.insert(u"format"_s, u"openwright.cli"_s);
    document.insert(u"version"_s, 1);
    // The data files' writer escapes every "/"; scripts read paths and types plainly. Each "/"
    // is escaped, so each "\/" is one escaped slash.
    reply.out += QString::fromUtf8(Json::write(document).replace("\\/", "/"));
}

QString desktopFileId(const AppInfo& app)
{
    return SystemLaunchServices::desktopIdForPath(app.url.toLocalFile()) + u".desktop"_s;
}

QString appName(const std::optional<AppInfo>& app)
{
    return app ? inOneLine(app->name) : QCoreApplication::translate("cli", "No default");
}

QJsonValue appJson(const std::optional<AppInfo>& app)
{
    if (!app)
        return QJsonValue::Null;
    return QJsonObject {{u"desktopId"_s, desktopFileId(*app)},
                        {u"identity"_s, app->bundleID ? QJsonValue(*app->bundleID) : QJsonValue::Null},
                        {u"name"_s, app->name},
                        {u"path"_s, app->url.toLocalFile()}};
}

QString dateText(const QDateTime& date)
{
    return DateText::backupName(date, QTimeZone::systemTimeZone());
}

QStringList changeRow(const DefaultChange& change, const FileCategory& category, const Style& style)
{
    QString handled = change.resolved ? QCoreApplication::translate("cli", "Handled") : QString();
    if (change.handling == DefaultChange::Handling::putBack)
        handled = QCoreApplication::translate("cli", "Put back");
    else if (change.handling == DefaultChange::Handling::allowed)
        handled = QCoreApplication::translate("cli", "Allowed");
    else if (change.handling == DefaultChange::Handling::stopped && !change.resolved)
        handled = QCoreApplication::translate("cli", "Stopped putting back");
    QString apps = appName(change.from) + u" \u2192 "_s + appName(change.to);
    if (change.opener)
        apps = QCoreApplication::translate("cli", "%1 (%2 only)").arg(apps, openerLabel(*change.opener));
    return {dateText(change.detectedAt),
            change.target.description(),
            category.title,
            apps,
            style.dim(change.file.isEmpty() ? QString() : homeRelativePath(change.file)),
            Notifier::likelyCulprit(change),
            style.dim(handled)};
}

namespace {

QJsonValue handlingText(DefaultChange::Handling handling)
{
    switch (handling) {
    case DefaultChange::Handling::none: return QJsonValue::Null;
    case DefaultChange::Handling::putBack: return u"putBack"_s;
    case DefaultChange::Handling::allowed: return u"allowed"_s;
    case DefaultChange::Handling::stopped: return u"stopped"_s;
    }
    return QJsonValue::Null;
}

} // namespace

QJsonObject changeJson(const DefaultChange& change, const FileCategory& category)
{
    return {{u"id"_s, uuidText(change.id)},
            {u"target"_s, change.target.id()},
            {u"title"_s, category.title},
            {u"from"_s, appJson(change.from)},
            {u"to"_s, appJson(change.to)},
            {u"detectedAt"_s, Json::formatDate(change.detectedAt)},
            {u"resolved"_s, change.resolved},
            {u"file"_s, change.file.isEmpty() ? QJsonValue::Null : QJsonValue(change.file)},
            {u"likely"_s, change.culprit ? QJsonValue(Notifier::likelyCulprit(change)) : QJsonValue::Null},
            {u"handling"_s, handlingText(change.handling)},
            {u"opener"_s, change.opener ? QJsonValue(openerName(*change.opener)) : QJsonValue::Null}};
}

QString stepText(const PlanStep& step)
{
    switch (step.kind) {
    case PlanStep::Case::change: return appName(step.from) + u" \u2192 "_s + step.appName;
    case PlanStep::Case::alreadySet: return QCoreApplication::translate("cli", "Already set");
    case PlanStep::Case::notInstalled:
        return QCoreApplication::translate("cli", "%1 isn't installed").arg(step.appName);
    case PlanStep::Case::replaced:
    case PlanStep::Case::unknownType: return step.skipReason();
    }
    return {};
}

QJsonObject stepJson(const PlanStep& step)
{
    QJsonObject o {{u"target"_s, step.target().id()}, {u"kind"_s, stepKind(step.kind)}, {u"text"_s, stepText(step)}};
    if (step.kind == PlanStep::Case::change) {
        o.insert(u"from"_s, appJson(step.from));
        o.insert(u"to"_s, step.appName);
    } else if (step.kind == PlanStep::Case::notInstalled) {
        o.insert(u"appName"_s, step.appName);
    } else if (step.kind == PlanStep::Case::replaced) {
        o.insert(u"replacedBy"_s, step.replacedBy.id());
    }
    return o;
}

qsizetype changeCount(const QList<PlanStep>& plan)
{
    return ProfilePlanner::differences(plan);
}

QString planSummary(const QList<PlanStep>& plan)
{
    const qsizetype changes = changeCount(plan);
    if (changes == 0)
        return QCoreApplication::translate("cli", "All set");
    return QCoreApplication::translate("cli", "%1 of %2 to change").arg(changes).arg(plan.size());
}

QString shortId(const Profile& profile)
{
    return profile.kind == Profile::Kind::preset ? profile.id : profile.id.left(8);
}

QJsonObject profileJson(const Profile& profile)
{
    QJsonObject o {{u"id"_s, profile.id},
                   {u"name"_s, profile.name},
                   {u"summary"_s, profile.summary},
                   {u"kind"_s, Profile::kindRawValue(profile.kind)},
                   {u"entries"_s, profile.entries.size()}};
    if (profile.kind != Profile::Kind::preset)
        o.insert(u"createdAt"_s, Json::formatDate(profile.createdAt));
    if (const auto& reason = profile.backupReason) {
        o.insert(u"backupReason"_s,
                 QJsonObject {{u"kind"_s, reasonKind(*reason)},
                              {u"title"_s, reason->title()},
                              {u"automatic"_s, reason->isAutomatic()}});
    }
    return o;
}

std::optional<Profile> findProfile(const QList<Profile>& list, const QString& name, const QString& what, Reply& reply)
{
    for (const Profile& p : list) {
        if (p.id.compare(name, Qt::CaseInsensitive) == 0)
            return p;
    }
    QList<Profile> found;
    for (const Profile& p : list) {
        if (p.name.compare(name, Qt::CaseInsensitive) == 0)
            found.append(p);
    }
    // The start of an id, as lists show them; four characters at least, so a word is a name.
    if (found.isEmpty() && name.size() >= 4) {
        for (const Profile& p : list) {
            if (p.id.startsWith(name, Qt::CaseInsensitive))
                found.append(p);
        }
    }
    if (found.size() == 1)
        return found.first();
    if (found.isEmpty()) {
        reply.fail(2, QCoreApplication::translate("cli", "There is no %1 called “%2”.").arg(what, name));
        return std::nullopt;
    }
    QStringList choices;
    for (const Profile& p : found)
        choices.append(shortId(p) + u" ("_s + p.name + u')');
    reply.fail(
        2,
        QCoreApplication::translate("cli", "“%1” could be %2; give its id instead.").arg(name, choices.join(u", "_s)));
    return std::nullopt;
}

// The application `text` names for `targets`: an installed desktop-file ID (that very entry) or
// identity, else the name of one of the targets' candidates as status shows it, or the start of
// just one.
std::optional<LocatedApp> locateApp(const DefaultsService& service, const QString& text, Reply& reply)
{
    const auto located = service.locate(text);
    if (!located) {
        reply.fail(2,
                   QCoreApplication::translate("cli", "%1: No installed application has that name or desktop-file ID.")
                       .arg(text));
        return std::nullopt;
    }
    if (!text.endsWith(u".desktop"_s) || !located->exact)
        return located;
    const auto other = service.locate(text.chopped(8));
    if (!other || !other->exact || other->app.url == located->app.url)
        return located;
    // Each by a name that means it alone: an ID that itself ends in ".desktop" needs the suffix.
    const auto unambiguous = [&](const AppInfo& app) {
        const QString id = service.exactName(app.url).value_or(app.name);
        return id.endsWith(u".desktop"_s) ? id + u".desktop"_s : id;
    };
    reply.fail(2,
               QCoreApplication::translate("cli", "“%1” could be %2 (%3) or %4 (%5). Give the one you mean.")
                   .arg(text, located->app.name, unambiguous(located->app), other->app.name, unambiguous(other->app)));
    return std::nullopt;
}

std::optional<AppInfo> resolveApp(const DefaultsService& service, const QList<Target>& targets, const QString& text,
                                  Reply& reply)
{
    if (service.locate(text)) {
        const auto located = locateApp(service, text, reply);
        return located ? std::optional(located->app) : std::nullopt;
    }
    QList<AppInfo> candidates;
    for (const Target& target : targets) {
        for (const AppInfo& a : service.state(target).candidates) {
            if (std::none_of(candidates.cbegin(), candidates.cend(), [&](const AppInfo& c) { return c.url == a.url; }))
                candidates.append(a);
        }
    }
    QStringList described;
    for (const Target& target : targets)
        described.append(target.description());
    const QString what = described.join(u", "_s);
    const QHash<QUrl, QString> shown = distinctNames(candidates);
    QList<AppInfo> exact;
    QList<AppInfo> starts;
    for (const AppInfo& a : candidates) {
        const QString name = shown.value(a.url, a.name);
        if (name.compare(text, Qt::CaseInsensitive) == 0 || a.name.compare(text, Qt::CaseInsensitive) == 0)
            exact.append(a);
        else if (name.startsWith(text, Qt::CaseInsensitive))
            starts.append(a);
    }
    const QList<AppInfo>& found = exact.isEmpty() ? starts : exact;
    if (found.size() == 1)
        return found.first();
    QStringList choices;
    for (const AppInfo& a : found.isEmpty() ? candidates : found)
        choices.append(shown.value(a.url, a.name) + u" ("_s + desktopFileId(a) + u')');
    if (!found.isEmpty()) {
        reply.fail(2,
                   QCoreApplication::translate("cli", "“%1” could be %2. Give its desktop-file ID instead.")
                       .arg(text, choices.join(u", "_s)));
    } else if (candidates.isEmpty()) {
        reply.fail(2,
                   QCoreApplication::translate(
                       "cli", "There is no installed application called “%1”, and no installed app can open %2.")
                       .arg(text, what));
    } else {
        reply.fail(2,
                   QCoreApplication::translate(
                       "cli", "There is no installed application called “%1”. Apps that can open %2: %3.")
                       .arg(text, what, choices.join(u", "_s)));
    }
    return std::nullopt;
}

void printOrder(Reply& reply, const Invocation& inv, const DefaultsService& service, const Target& target,
                const QJsonObject& extra)
{
    const Associations offer = service.associations(target);
    const auto current = service.currentDefault(target);
    QList<AppInfo> apps;
    for (const QUrl& url : offer.offered)
        apps.append(service.appInfo(url));
    if (inv.json) {
        QJsonObject o = extra;
        QJsonArray order;
        for (const AppInfo& app : std::as_const(apps)) {
            QJsonObject a = appJson(app).toObject();
            a.insert(u"default"_s, app.isSameEntry(current));
            a.insert(u"recommended"_s, offer.recommended.contains(app.url));
            order.append(a);
        }
        o.insert(u"target"_s, target.id());
        o.insert(u"order"_s, order);
        o.insert(u"removed"_s, QJsonArray::fromStringList(offer.removed));
        printJson(reply, o);
        return;
    }
    const Style style {inv.color};
    const QHash<QUrl, QString> names = distinctNames(apps);
    Table table;
    table.heading(style.bold(target.description()));
    for (qsizetype i = 0; i < apps.size(); ++i) {
        const AppInfo& app = apps[i];
        // Most apps are made for the type itself: those that open it as a parent type are marked.
        const QString mark = app.isSameEntry(current) ? QCoreApplication::translate("cli", "default")
            : !offer.recommended.contains(app.url)    ? QCoreApplication::translate("cli", "as a parent type")
                                                      : QString();
        table.row({QString::number(i + 1), names.value(app.url, app.name), style.dim(desktopFileId(app)), mark});
    }
    if (apps.isEmpty())
        table.row({QCoreApplication::translate("cli", "No installed app can open %1").arg(target.description())});
    for (const QString& removed : offer.removed)
        table.row({QCoreApplication::translate("cli", "removed"), removed});
    reply.out += table.text();
}

} // namespace openwright::cli
