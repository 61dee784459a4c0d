// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecisionChain.h"

#include "PlatformText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {

using Group = DecisionStep::Group;

// Every text of an explanation, in one place, with numbered arguments so that a translation
// can reorder them.
namespace text {

QString desktopSetting()
{
    return QCoreApplication::translate("DecisionChain", "%1 (%2) names %3: links that desktop opens go to %4");
}
QString desktopSettingUnknown()
{
    return QCoreApplication::translate("DecisionChain",
                                       "%1 (%2) names %3, which no installed application matches: links that "
                                       "desktop opens may not open");
}
QString desktopSettingDiffers()
{
    return QCoreApplication::translate("DecisionChain", "; but links %1 opens follow its own setting, %2");
}
QString terminalListNames()
{
    return QCoreApplication::translate("DecisionChain", "%1 names %2 first among the installed terminals");
}
QString terminalListNone()
{
    return QCoreApplication::translate("DecisionChain", "%1 names %2, but none of them is an installed terminal");
}
QString terminalListEmpty()
{
    return QCoreApplication::translate("DecisionChain", "%1 names no terminal");
}
QString terminalSetting()
{
    return QCoreApplication::translate("DecisionChain", "%1 sets %2 to %3: the terminal that desktop starts is %4");
}
QString terminalSettingUnknown()
{
    return QCoreApplication::translate("DecisionChain",
                                       "%1 sets %2 to %3, which no installed terminal matches: that desktop may "
                                       "start no terminal");
}
QString settingsSchema()
{
    return QCoreApplication::translate("DecisionChain", "GSettings %1");
}
QString alternative()
{
    return QCoreApplication::translate("DecisionChain",
                                       "%1 leads to %2, which is %3: programs that start x-terminal-emulator use it");
}
QString alternativeUnknown()
{
    return QCoreApplication::translate("DecisionChain", "%1 leads to %2, which no installed terminal runs");
}
QString opensByTerminalList()
{
    return QCoreApplication::translate("DecisionChain",
                                       "%1 opens in %2 because %3 names it first among the installed terminals");
}
QString opensByTerminalSetting()
{
    return QCoreApplication::translate("DecisionChain", "%1 opens in %2 because %3 sets %4");
}
QString terminalListDiffers()
{
    return QCoreApplication::translate("DecisionChain", "; but xdg-terminal-exec starts %1, which %2 names first");
}
QString terminalDesktops()
{
    return QCoreApplication::translate(
        "DecisionChain", "XDG_CURRENT_DESKTOP names %1, so xdg-terminal-exec also reads %2 in each folder");
}
QString missing()
{
    return QCoreApplication::translate("DecisionChain", "%1 does not exist");
}
QString unreadable()
{
    return QCoreApplication::translate("DecisionChain", "%1 cannot be read as a list, so the system ignores all of it");
}
QString noEntry()
{
    return QCoreApplication::translate("DecisionChain", "%1 has no entry for %2");
}
QString fileLine()
{
    return QCoreApplication::translate("DecisionChain", "%1 line %2");
}
QString app()
{
    return QCoreApplication::translate("DecisionChain", "%1 (%2)");
}
QString parentType()
{
    return QCoreApplication::translate("DecisionChain", "%1 (a parent type)");
}
QString parentTypeOf()
{
    return QCoreApplication::translate("DecisionChain", "%1 (a parent type of %2)");
}
QString sets()
{
    return QCoreApplication::translate("DecisionChain", "%1 sets %2 for %3");
}
QString namesNone()
{
    return QCoreApplication::translate("DecisionChain", "%1 names no application for %2");
}
QString namesUninstalledOne()
{
    return QCoreApplication::translate("DecisionChain", "%1 names %2 for %3, but it is not installed");
}
QString namesUninstalledAll()
{
    return QCoreApplication::translate("DecisionChain", "%1 names %2 for %3, but none of them is installed");
}
QString namesOutranked()
{
    return QCoreApplication::translate("DecisionChain", "%1 names %2 for %3, outranked by the choice above");
}
QString addsAndDecides()
{
    return QCoreApplication::translate("DecisionChain", "%1 adds %2 for %3, and no list sets an installed default");
}
QString adds()
{
    return QCoreApplication::translate("DecisionChain", "%1 adds %2 for %3");
}
QString removes()
{
    return QCoreApplication::translate("DecisionChain", "%1 removes %2 from the applications for %3");
}
QString removesTooLate()
{
    return QCoreApplication::translate("DecisionChain",
                                       "%1 removes %2 for %3, with no effect: an earlier entry names it");
}
QString removesInOwnFolder()
{
    return QCoreApplication::translate(
        "DecisionChain", "%1 removes %2 for %3, with no effect on applications installed in the same folder");
}
QString handlerDecides()
{
    return QCoreApplication::translate(
        "DecisionChain", "No list sets an installed default for %1, so the first installed handler is used: %2");
}
QString noHandlers()
{
    return QCoreApplication::translate("DecisionChain", "No installed application handles %1");
}
QString noUsableHandler()
{
    return QCoreApplication::translate("DecisionChain", "No installed handler of %1 can be used");
}
QString skippedNote()
{
    return QCoreApplication::translate("DecisionChain", " (skipped %1: not installed)");
}
QString removedNote()
{
    return QCoreApplication::translate("DecisionChain", " (removed: %1)");
}
QString opensBySetting()
{
    return QCoreApplication::translate("DecisionChain", "%1 opens in %2 because %3 sets it for %4");
}
QString opensByAddition()
{
    return QCoreApplication::translate(
        "DecisionChain", "%1 opens in %2 because %3 adds it for %4 and no list sets an installed default");
}
QString opensAsHandler()
{
    return QCoreApplication::translate(
        "DecisionChain",
        "%1 opens in %2 because no list sets an installed default and it is the first installed application "
        "that handles %3");
}
QString opensInNothing()
{
    return QCoreApplication::translate(
        "DecisionChain",
        "Nothing opens %1 (%2): no list names an installed application, and none is installed that handles it");
}
QString systemDiffers()
{
    return QCoreApplication::translate("DecisionChain",
                                       ". The system reports %1 instead, so this explanation is incomplete");
}
QString systemHasNone()
{
    return QCoreApplication::translate("DecisionChain",
                                       ". The system reports no application, so this explanation is incomplete");
}
QString unexplained()
{
    return QCoreApplication::translate("DecisionChain", "No explanation is available for %1");
}
QString desktops()
{
    return QCoreApplication::translate("DecisionChain",
                                       "XDG_CURRENT_DESKTOP names %1, so the system also reads %2 in each folder");
}
QString noDesktops()
{
    return QCoreApplication::translate(
        "DecisionChain", "XDG_CURRENT_DESKTOP names no desktop, so the system reads no desktop-specific lists");
}
QString desktopListsFound()
{
    return QCoreApplication::translate("DecisionChain", "; it found %1");
}
QString desktopsIgnored()
{
    return QCoreApplication::translate("DecisionChain",
                                       ". It ignores %1: a desktop name may hold only letters, digits, - and _");
}
QString terminals()
{
    return QCoreApplication::translate("DecisionChain", "the terminal");
}
QString quoted()
{
    return QCoreApplication::translate("DecisionChain", "\u201C%1\u201D");
}

} // namespace text

QString ids(const QStringList& list)
{
    return list.join(u", "_s);
}

QString appText(const QString& name, const QString& desktopId)
{
    return name.isEmpty() ? desktopId : text::app().arg(name, desktopId);
}

QString where(const DecisionStep& step)
{
    // A desktop's GSettings key is no file: `file` names its schema.
    if (step.group == Group::TerminalSetting && step.line == 0)
        return text::settingsSchema().arg(step.file);
    return text::fileLine().arg(homeRelativePath(step.file), QString::number(step.line));
}

QString typeText(const DecisionStep& step)
{
    return step.parentType ? text::parentType().arg(step.mimeType) : step.mimeType;
}

// The first listed entry that is installed: the one a terminal list's step names.
QString firstInstalled(const DecisionStep& step)
{
    for (const QString& entry : step.listed) {
        if (!step.skipped.contains(entry))
            return entry;
    }
    return step.listed.value(0);
}

QString notes(const DecisionStep& step)
{
    QString s;
    if (!step.skipped.isEmpty())
        s += text::skippedNote().arg(ids(step.skipped));
    if (!step.removed.isEmpty())
        s += text::removedNote().arg(ids(step.removed));
    return s;
}

QString defaultSummary(const DecisionStep& step)
{
    if (step.decided())
        return text::sets().arg(where(step), appText(step.chosenName, step.chosen), typeText(step)) + notes(step);
    if (step.listed.isEmpty())
        return text::namesNone().arg(where(step), typeText(step));
    if (step.skipped.size() == step.listed.size()) {
        return (step.listed.size() == 1 ? text::namesUninstalledOne() : text::namesUninstalledAll())
            .arg(where(step), ids(step.listed), typeText(step));
    }
    return text::namesOutranked().arg(where(step), ids(step.listed), typeText(step)) + notes(step);
}

} // namespace

QString homeRelativePath(const QString& path)
{
    const QString home = QDir::homePath();
    if (home.isEmpty() || home == u"/"_s)
        return path;
    if (path == home)
        return QCoreApplication::translate("DecisionChain", "~");
    if (path.startsWith(home + u'/'))
        return u'~' + path.mid(home.size());
    return path;
}

QString DecisionStep::summary() const
{
    switch (presence) {
    case Presence::Missing: return text::missing().arg(homeRelativePath(file));
    case Presence::Unreadable: return text::unreadable().arg(homeRelativePath(file));
    case Presence::Read: break;
    }
    if (group == Group::DesktopSetting) {
        const QString named = through.isEmpty() ? listed.value(0) : listed.value(0) + u" ("_s + through + u')';
        // Each text gets exactly its arguments: a surplus one would be a warning on stderr.
        if (chosenName.isEmpty())
            return text::desktopSettingUnknown().arg(where(*this), mimeType, named);
        return text::desktopSetting().arg(where(*this), mimeType, named, chosenName);
    }
    if (group == Group::TerminalList) {
        if (listed.isEmpty())
            return text::terminalListEmpty().arg(homeRelativePath(file));
        if (chosenName.isEmpty() && skipped.size() == listed.size())
            return text::terminalListNone().arg(where(*this), ids(listed));
        if (chosenName.isEmpty())
            return text::namesOutranked().arg(where(*this), ids(listed), text::terminals()) + notes(*this);
        return text::terminalListNames().arg(where(*this), appText(chosenName, firstInstalled(*this))) + notes(*this);
    }
    if (group == Group::TerminalSetting) {
        const QString named = through.isEmpty() ? listed.value(0) : listed.value(0) + u" ("_s + through + u')';
        const QString key = mimeType.section(u' ', 1);
        if (chosenName.isEmpty())
            return text::terminalSettingUnknown().arg(where(*this), key, named);
        return text::terminalSetting().arg(where(*this), key, named, chosenName);
    }
    if (group == Group::SystemAlternative) {
        if (chosenName.isEmpty())
            return text::alternativeUnknown().arg(file, listed.value(0));
        return text::alternative().arg(file, listed.value(0), chosenName);
    }
    if (group == Group::InstalledHandlers) {
        if (decided())
            return text::handlerDecides().arg(typeText(*this), appText(chosenName, chosen)) + notes(*this);
        if (listed.isEmpty())
            return text::noHandlers().arg(typeText(*this));
        return text::noUsableHandler().arg(typeText(*this)) + notes(*this);
    }
    if (line == 0)
        return text::noEntry().arg(homeRelativePath(file), typeText(*this));
    switch (group) {
    case Group::DefaultApplications: return defaultSummary(*this);
    case Group::AddedAssociations:
        if (decided()) {
            return text::addsAndDecides().arg(where(*this), appText(chosenName, chosen), typeText(*this))
                + notes(*this);
        }
        return text::adds().arg(where(*this), ids(listed), typeText(*this)) + notes(*this);
    case Group::RemovedAssociations:
        if (!removed.isEmpty())
            return text::removes().arg(where(*this), ids(removed), typeText(*this));
        return (keptBySameFolder ? text::removesInOwnFolder() : text::removesTooLate())
            .arg(where(*this), ids(listed), typeText(*this));
    case Group::InstalledHandlers:
    case Group::DesktopSetting:
    case Group::TerminalList:
    case Group::TerminalSetting:
    case Group::SystemAlternative: break;
    }
    return {};
}

const DecisionStep* DecisionChain::decisiveStep() const
{
    for (const DecisionStep& step : steps) {
        if (step.decided())
            return &step;
    }
    return nullptr;
}

QString DecisionChain::listChangedSince(const QDateTime& since) const
{
    // Only the deciding line explains the answer: another list edited meanwhile, for another
    // type or outranked, did not make it, and an application installed or removed is no list's edit.
    const DecisionStep* step = decisiveStep();
    if (!step || step->file.isEmpty())
        return {};
    const QDateTime modified = QFileInfo(step->file).lastModified();
    return modified.isValid() && modified > since ? step->file : QString();
}

QString DecisionChain::summary() const
{
    if (!mimeType) {
        // Every scheme is a type; only a platform that cannot explain gives none for one.
        if (!target.isFileExtension())
            return text::unexplained().arg(target.id());
        return unknownTypeText(target.payload());
    }

    QString s;
    const DecisionStep* step = decisiveStep();
    if (app && step) {
        const QString opener = appText(app->name, app->desktopId);
        const QString type = step->parentType ? text::parentTypeOf().arg(step->mimeType, *mimeType) : step->mimeType;
        switch (step->group) {
        case Group::DefaultApplications: s = text::opensBySetting().arg(target.id(), opener, where(*step), type); break;
        case Group::AddedAssociations: s = text::opensByAddition().arg(target.id(), opener, where(*step), type); break;
        case Group::TerminalList: s = text::opensByTerminalList().arg(target.id(), opener, where(*step)); break;
        case Group::TerminalSetting:
            s = text::opensByTerminalSetting().arg(target.id(), opener, where(*step), step->mimeType.section(u' ', 1));
            break;
        case Group::RemovedAssociations:
        case Group::InstalledHandlers:
        case Group::DesktopSetting:
        case Group::SystemAlternative: s = text::opensAsHandler().arg(target.id(), opener, type); break;
        }
    } else {
        s = text::opensInNothing().arg(target.id(), *mimeType);
    }
    if (!agreesWithSystem)
        s += systemDesktopId.isEmpty() ? text::systemHasNone() : text::systemDiffers().arg(systemDesktopId);
    for (const DecisionStep& desktop : steps) {
        if (desktop.group == Group::DesktopSetting && (!app || desktop.chosenName != app->name))
            s += text::desktopSettingDiffers().arg(desktop.mimeType.section(u' ', 0, 0), desktop.listed.value(0));
        // The lists' terminal, where the desktop's own setting names another.
        if (desktop.group == Group::TerminalList && !desktop.decided() && !desktop.chosenName.isEmpty()
            && (!app || desktop.chosenName != app->name))
            s += text::terminalListDiffers().arg(desktop.chosenName, homeRelativePath(desktop.file));
    }
    return s;
}

QString DecisionChain::desktopSummary() const
{
    if (steps.isEmpty())
        return {};
    QString s;
    if (desktops.isEmpty()) {
        s = text::noDesktops();
    } else {
        QStringList lists;
        const bool terminal = target.isRole();
        for (const QString& desktop : desktops)
            lists.append(desktop + (terminal ? u"-xdg-terminals.list"_s : u"-mimeapps.list"_s));
        s = (terminal ? text::terminalDesktops() : text::desktops()).arg(ids(desktops), ids(lists));
        QStringList found;
        for (const QString& list : desktopLists)
            found.append(homeRelativePath(list));
        if (!found.isEmpty())
            s += text::desktopListsFound().arg(ids(found));
    }
    if (!ignoredDesktops.isEmpty()) {
        QStringList names;
        for (const QString& name : ignoredDesktops)
            names.append(text::quoted().arg(name));
        s += text::desktopsIgnored().arg(ids(names));
    }
    return s;
}

QString DecisionChain::systemSetting() const
{
    const DecisionStep* step = decisiveStep();
    if (!step || step->file.isEmpty() || step->group != DecisionStep::Group::DefaultApplications)
        return {};
    const QString folder = QFileInfo(step->file).absolutePath();
    const QStringList system = qEnvironmentVariable("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg")).split(u':', Qt::SkipEmptyParts);
    if (!std::any_of(system.cbegin(), system.cend(),
                     [&](const QString& dir) { return QDir::cleanPath(dir) == QDir::cleanPath(folder); }))
        return {};
    return QCoreApplication::translate("DecisionChain", "Set by your system: %1 line %2")
        .arg(step->file, QString::number(step->line));
}

} // namespace openwright
