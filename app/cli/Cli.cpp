// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cli.h"

#include "Command.h"

#include "AppModel.h"
#include "Async.h"
#include "SingleInstance.h"
#include "SystemLaunchServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QPointer>

#include <algorithm>
#include <cstdio>

#include <unistd.h>

namespace openwright::cli {

using namespace Qt::Literals::StringLiterals;

namespace {

int print(const Reply& reply)
{
    std::fputs(reply.out.toUtf8().constData(), stdout);
    std::fflush(stdout);
    std::fputs(reply.err.toUtf8().constData(), stderr);
    return reply.status;
}

bool colorTerminal()
{
    return ::isatty(STDOUT_FILENO) == 1 && qgetenv("TERM") != "dumb" && !qEnvironmentVariableIsSet("NO_COLOR");
}

InstanceAnswer answerOf(const Reply& reply)
{
    return {reply.out, reply.err, reply.status};
}

// Waits for a command of this process, whose model works on this thread's event loop.
Reply wait(const QFuture<Reply>& future)
{
    QEventLoop loop;
    QFutureWatcher<Reply> watcher;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(future);
    if (!future.isFinished())
        loop.exec();
    if (future.isCanceled() || future.resultCount() == 0)
        return Reply().fail(1, u"The command was interrupted."_s);
    return future.result();
}

} // namespace

bool isCommand(int argc, char** argv)
{
    if (argc < 2)
        return false;
    static constexpr QByteArrayView kOptions[] = {"--help", "-h", "--version", "--json", "--help-man", "--complete"};
    const QByteArrayView first(argv[1]);
    return !first.startsWith('-') || std::find(std::begin(kOptions), std::end(kOptions), first) != std::end(kOptions);
}

int run(int argc, char** argv)
{
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance())
        app = std::make_unique<QCoreApplication>(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    auto service = std::make_shared<DefaultsService>(std::make_shared<SystemLaunchServices>());
    if (arguments.value(0) == u"--complete"_s)
        return print({complete(arguments.mid(1), Data(*service)), {}, 0});

    const Parsed parsed = parse(arguments, QDir::currentPath(), colorTerminal());
    if (!parsed.invocation)
        return print(parsed.reply);
    const Invocation& inv = *parsed.invocation;
    if (const Reply bad = validate(inv, *service); bad.status != 0)
        return print(bad);
    if (inv.command->read)
        return print(inv.command->read(inv, Data(*service)));

    // Two writers would overwrite each other's data files: the running application carries the
    // command out, or this process holds its lock while it does.
    SingleInstance instance;
    switch (instance.lockOrFindRunning()) {
    case SingleInstance::Found::Running: {
        QString error;
        const auto answer = instance.send({arguments, QDir::currentPath()}, &error);
        return print(answer ? Reply {answer->out, answer->err, answer->status} : Reply().fail(1, error));
    }
    case SingleInstance::Found::Busy:
        return print(
            Reply().fail(1, u"Another Openwright command is still running. Try again once it has finished."_s));
    case SingleInstance::Found::Locked: break;
    }
    AppModel model(service);
    Reply reply = wait(inv.command->change(inv, model));
    // The application would save again later; this process ends with the command.
    if (!model.saveProblem().isEmpty())
        reply.fail(1, u"Openwright could not save its data, so the change to it is lost: "_s + model.saveProblem());
    return print(reply);
}

void serve(SingleInstance& instance, AppModel& model)
{
    const QPointer<AppModel> guard(&model);
    instance.setRequestHandler([guard](const InstanceRequest& request, const SingleInstance::Reply& reply) {
        if (!guard)
            return reply(answerOf(Reply().fail(1, u"Openwright is quitting."_s)));
        const Parsed parsed = parse(request.arguments, request.workingDirectory, false);
        if (!parsed.invocation)
            return reply(answerOf(parsed.reply));
        const Invocation& inv = *parsed.invocation;
        if (const Reply bad = validate(inv, guard->service()); bad.status != 0)
            return reply(answerOf(bad));
        if (inv.command->read)
            return reply(answerOf(inv.command->read(inv, Data(guard->service(), guard))));
        continueOn(guard, inv.command->change(inv, *guard), [reply](const Reply& r) { reply(answerOf(r)); });
    });
}

} // namespace openwright::cli
