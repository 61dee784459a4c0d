// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that change: carried out against the one model, here or by the running
// application.
#include "Cli.h"

#include "Command.h"

#include "AppModel.h"
#include "Async.h"
#include "DBusNotifications.h"
#include "FileStamp.h"
#include "JSONStore.h"
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QPointer>

#include <thread>

namespace openwright::cli {

using namespace Qt::Literals::StringLiterals;

namespace {

InstanceAnswer answerOf(const Reply& reply)
{
    return {reply.out, reply.err, reply.status};
}

// Waits for work of this process, whose model works on this thread's event loop.
template<typename T> void waitFor(const QFuture<T>& future)
{
    QEventLoop loop;
    QFutureWatcher<T> watcher;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(future);
    if (!future.isFinished())
        loop.exec();
}

Reply wait(const QFuture<Reply>& future)
{
    waitFor(future);
    if (future.isCanceled() || future.resultCount() == 0)
        return Reply().fail(1, QCoreApplication::translate("cli", "The command was interrupted."));
    return future.result();
}

// Openwright's own data as the running application's model holds it, for the commands that read.
class LiveData final : public ModelData
{
public:
    explicit LiveData(const AppModel& model)
        : m_model(model)
    {
    }
    QList<Target> customTargets() const override { return m_model.customTargets(); }
    GuardState guardState() const override { return m_model.guardState(); }
    QList<Profile> userProfiles() const override { return m_model.userProfiles(); }
    QList<PlanStep> plan(const Profile& profile) const override { return m_model.plan(profile); }

private:
    const AppModel& m_model;
};

// What a change could touch: the files the defaults are read from, and Openwright's own data.
QByteArray changeStamp(const DefaultsService& service)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(service.answersStamp().value_or(QByteArray()));
    const QDir data(JSONStoreFile::defaultDirectory());
    for (const QString& name : data.entryList({u"*.json"_s}, QDir::Files | QDir::Hidden))
        FileStamp::add(hash, QFile::encodeName(data.filePath(name)));
    return hash.result();
}

// Two writers would overwrite each other's data files: the running application carries the
// command out, or this process holds its lock while it does.
Reply changeHere(Invocation& inv, const std::shared_ptr<DefaultsService>& service)
{
    if (const Reply bad = validate(inv, *service); bad.status != 0)
        return bad;
    if (const Reply bad = readInput(inv); bad.status != 0)
        return bad;
    SingleInstance instance;
    switch (instance.lockOrFindRunning()) {
    case SingleInstance::Found::Running: {
        QString error;
        // As understood here: the running application gets types, never the caller's paths.
        QStringList understood = QString::fromUtf8(inv.command->name).split(u' ') + inv.options;
        if (inv.json)
            understood.append(u"--json"_s);
        if (inv.notify)
            understood.append(u"--notify"_s);
        understood += QStringList {u"--"_s} + inv.arguments;
        const QByteArray before = changeStamp(*service);
        const auto answer = instance.send({understood, QDir::currentPath(), inv.input}, &error);
        if (answer)
            return Reply {answer->out, answer->err, answer->status};
        // The window went away (it was ended) before it answered: what is on disk says what it did.
        if (instance.instanceWentAway()) {
            error = changeStamp(*service) == before
                ? QCoreApplication::translate("cli",
                                              "Openwright ended before it carried out the command: nothing was "
                                              "changed. Run the command again.")
                : QCoreApplication::translate("cli",
                                              "Openwright ended while it carried out the command: it changed some "
                                              "of what was asked, or all of it. See what is set now with "
                                              "\"openwright status\".");
        }
        return Reply().fail(1, error);
    }
    case SingleInstance::Found::Busy:
        return Reply().fail(1,
                            QCoreApplication::translate(
                                "cli", "Another Openwright command is still running. Try again once it has finished."));
    case SingleInstance::Found::Unavailable: return Reply().fail(1, instance.problem());
    case SingleInstance::Found::Locked: break;
    }
    // The platform's first look (it grows with the desktop), taken while the model is made and
    // its readers start. Only here: a command the window carries out would wait for it in vain.
    std::jthread ahead;
    if (readsAfresh(inv.command->change))
        ahead = std::jthread([service] { service->lookAhead(); });
    AppModel model(service);
    Reply reply = wait(carryOut(inv, model));
    // This process ends with the command: what the guard started meanwhile (a put-back) lands
    // and is recorded first, and what could not be saved is lost.
    waitFor(model.settled());
    if (model.failedSaves() > 0)
        reply.fail(1,
                   QCoreApplication::translate(
                       "cli", "Openwright could not save all of its data, so what was not saved is lost: ")
                       + model.saveProblem());
    return reply;
}

// A command started from the desktop entry's actions has no terminal: what it printed is told
// as a notification as well, its first line the title. The notification offers nothing to
// answer, as this process ends now.
void tell(const Invocation& inv, Reply& reply)
{
    QStringList lines = (reply.status == 0 ? reply.out : reply.err).split(u'\n', Qt::SkipEmptyParts);
    for (QString& line : lines) {
        if (line.startsWith(u"openwright: "_s))
            line.remove(0, 12);
    }
    const QString name = QString::fromUtf8(inv.command->name);
    QString title;
    if (reply.status != 0)
        title = QCoreApplication::translate("cli", "Openwright did not finish “%1”").arg(name);
    else if (!lines.isEmpty())
        title = lines.takeFirst();
    else
        title = QCoreApplication::translate("cli", "Openwright finished “%1”").arg(name);
    const QString problem = DBusNotifications::showOnce(QDBusConnection::sessionBus(), title, lines.join(u'\n'));
    if (!problem.isEmpty())
        reply.err += u"openwright: "_s
            + QCoreApplication::translate("cli", "The notification could not be shown: %1").arg(problem) + u'\n';
}

} // namespace

int run(int argc, char** argv)
{
    return run(argc, argv, [](Invocation& inv, const std::shared_ptr<DefaultsService>& service) {
        Reply reply = changeHere(inv, service);
        if (inv.notify)
            tell(inv, reply);
        return reply;
    });
}

void serve(SingleInstance& instance, AppModel& model)
{
    const QPointer<AppModel> guard(&model);
    instance.setRequestHandler([guard](const InstanceRequest& request, const SingleInstance::Reply& reply) {
        if (!guard)
            return reply(answerOf(Reply().fail(1, QCoreApplication::translate("cli", "Openwright is quitting."))));
        const Parsed parsed = parse(request.arguments, request.workingDirectory, false);
        if (!parsed.invocation)
            return reply(answerOf(parsed.reply));
        Invocation inv = *parsed.invocation;
        inv.input = request.input;
        if (const Reply bad = validate(inv, guard->service()); bad.status != 0)
            return reply(answerOf(bad));
        if (inv.command->read) {
            const LiveData live(*guard);
            return reply(answerOf(inv.command->read(inv, Data(guard->service(), &live))));
        }
        // Only the command's own saves count: one that failed means its change is not on disk.
        const quint64 failedBefore = guard->failedSaves();
        continueOn(guard, carryOut(inv, *guard), [guard, failedBefore, reply](Reply r) {
            if (guard->failedSaves() > failedBefore && !guard->saveProblem().isEmpty()) {
                r.fail(1,
                       QCoreApplication::translate("cli",
                                                   "Openwright could not save all of its data; what was not saved will "
                                                   "be lost when Openwright quits: ")
                           + guard->saveProblem());
            }
            reply(answerOf(r));
        });
    });
}

} // namespace openwright::cli
