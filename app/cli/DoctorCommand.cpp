// SPDX-License-Identifier: GPL-3.0-or-later
// openwright doctor [--fix]: the problems in the user's defaults files, and their clean-up.
#include "Output.h"

#include "AppModel.h"
#include "Async.h"
#include "DecisionChain.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace openwright::cli {

using namespace Qt::Literals::StringLiterals;

namespace {

QString kindName(DoctorFinding::Kind kind)
{
    static const char* const names[]
        = {"uninstalledApp",  "shadowingAlias",   "duplicateKey",          "defaultAndRemoved", "deprecatedList",
           "desktopOverride", "userappDuplicate", "userappMissingProgram", "missingProgram",    "managedList",
           "unreadableList",  "untrimmedItem",    "ignoredGroup",          "overridesSystem"};
    return QString::fromLatin1(names[int(kind)]);
}

QJsonArray findingsJson(const QList<DoctorFinding>& findings)
{
    QJsonArray list;
    for (const DoctorFinding& f : findings) {
        QJsonArray moves;
        for (const DoctorFinding::Move& m : f.moves) {
            moves.append(QJsonObject {{u"type"_s, m.type},
                                      {u"from"_s, m.from.isEmpty() ? QJsonValue::Null : QJsonValue(m.from)},
                                      {u"to"_s, m.to.isEmpty() ? QJsonValue::Null : QJsonValue(m.to)}});
        }
        list.append(QJsonObject {{u"kind"_s, kindName(f.kind)},
                                 {u"file"_s, f.file},
                                 {u"line"_s, f.line},
                                 {u"type"_s, f.type.isEmpty() ? QJsonValue::Null : QJsonValue(f.type)},
                                 {u"app"_s, f.id.isEmpty() ? QJsonValue::Null : QJsonValue(f.id)},
                                 {u"explanation"_s, f.explanation()},
                                 {u"fix"_s, f.fix()},
                                 {u"fixable"_s, f.fixable},
                                 {u"changesDefault"_s, f.changesDefault},
                                 {u"predictable"_s, f.predictable},
                                 {u"moves"_s, moves}});
    }
    return list;
}

void printFindings(Reply& reply, const QList<DoctorFinding>& findings, int problems, const Style& style)
{
    reply.line(style.bold(QCoreApplication::translate("cli", "%n problems in your defaults files", nullptr, problems)));
    for (const DoctorFinding& f : findings) {
        reply.line();
        reply.line(homeRelativePath(f.file) + (f.line > 0 ? u':' + QString::number(f.line) : QString()));
        reply.line(u"  "_s + f.explanation());
        reply.line(style.dim(u"  "_s + (f.fixable ? u"Fix: "_s : QString()) + f.fix()));
    }
}

// The findings, and what a clean-up did before them.
Reply doctorReply(const Invocation& inv, const AppModel& model, const std::optional<CleanUpOutcome>& outcome)
{
    Reply reply;
    if (inv.json) {
        QJsonObject o {{u"problems"_s, model.defaultsFileProblems()},
                       {u"findings"_s, findingsJson(model.doctorFindings())}};
        if (outcome) {
            reply.status = outcome->succeeded() ? 0 : 1;
            o.insert(u"fixed"_s,
                     QJsonObject {{u"changedFiles"_s, QJsonArray::fromStringList(outcome->changedFiles)},
                                  {u"copies"_s, QJsonArray::fromStringList(outcome->copies)},
                                  {u"done"_s, QJsonArray::fromStringList(outcome->done)},
                                  {u"moved"_s, QJsonArray::fromStringList(outcome->moved)},
                                  {u"problems"_s, QJsonArray::fromStringList(outcome->problems)}});
        }
        printJson(reply, o);
        return reply;
    }
    if (outcome) {
        for (const QString& copy : outcome->copies)
            reply.line(QCoreApplication::translate("cli", "Kept a copy as %1").arg(homeRelativePath(copy)));
        for (const QString& done : outcome->done)
            reply.line(QCoreApplication::translate("cli", "Fixed %1").arg(done));
        for (const QString& moved : outcome->moved)
            reply.line(moved);
        for (const QString& problem : outcome->problems)
            reply.fail(1, QCoreApplication::translate("cli", "Not fixed: %1").arg(problem));
        if (outcome->stale > 0)
            reply.line(QCoreApplication::translate(
                "cli", "Left alone: %n no longer found, as the files changed meanwhile.", nullptr, outcome->stale));
        if (!outcome->done.isEmpty() || !outcome->problems.isEmpty())
            reply.line();
    }
    printFindings(reply, model.doctorFindings(), model.defaultsFileProblems(), Style {inv.color});
    return reply;
}

} // namespace

QFuture<Reply> doctor(const Invocation& inv, AppModel& model)
{
    return continueOn(&model, model.examineFiles(),
                      [inv, &model]() -> QFuture<Reply> {
                          if (!inv.has(u"--fix"))
                              return QtFuture::makeReadyFuture(doctorReply(inv, model, std::nullopt));
                          // A fix whose effect cannot be told beforehand is left for the person.
                          return continueOn(&model, model.cleanUp(Doctor::selectedByDefault(model.doctorFindings())),
                                            [inv, &model](const CleanUpOutcome& outcome) {
                                                return doctorReply(inv, model, outcome);
                                            });
                      })
        .unwrap();
}

} // namespace openwright::cli
