// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the application's start-up and for command-line processes, for the
// multi-process tests of SingleInstance. `probe DIR MODE [ARG…]`, MODE one of:
//   start       claims: prints "primary" and waits to be activated, or prints "handed-over"
//   serve       claims and answers requests: out = the arguments and working directory, status 7
//   deaf        claims and then never runs its event loop again (a hung instance)
//   dies        claims, and ends (as if killed) once a request came, without answering
//   hold MS     takes the lock as a command does, prints "locked", holds it MS milliseconds
//   send ARG…   hands ARG… to the running instance and prints its answer ("locked" if none runs);
//               with ARG "large", 3 MiB of input too, which the instance answers back
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

using namespace openwright;
using namespace Qt::Literals::StringLiterals;

namespace {

void say(const QString& text)
{
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    SingleInstance instance(args.at(1));
    const QString mode = args.at(2);

    if (mode == QStringLiteral("hold")) {
        if (instance.lockOrFindRunning() != SingleInstance::Found::Locked)
            return 1;
        say(QStringLiteral("locked"));
        QThread::msleep(args.value(3).toULong());
        return 0;
    }
    if (mode == QStringLiteral("send")) {
        if (instance.lockOrFindRunning() == SingleInstance::Found::Locked) {
            say(QStringLiteral("locked"));
            return 0;
        }
        QString error;
        std::optional<QByteArray> input;
        if (args.value(3) == u"large"_s)
            input = QByteArray(3 << 20, 'x');
        const auto answer = instance.send({args.mid(3), QDir::currentPath(), input}, &error);
        if (!answer) {
            say((instance.instanceWentAway() ? u"went away: "_s : u"error: "_s) + error);
            return 1;
        }
        say(QStringLiteral("out: ") + answer->out);
        return answer->status;
    }

    if (mode == QStringLiteral("dies"))
        instance.setRequestHandler([](const InstanceRequest&, const SingleInstance::Reply&) { std::_Exit(9); });
    if (mode == QStringLiteral("serve")) {
        instance.setRequestHandler([](const InstanceRequest& request, const SingleInstance::Reply& reply) {
            // Answers later, from the event loop, as commands that wait for the platform do.
            QTimer::singleShot(10, [request, reply] {
                QString out = request.arguments.join(u' ') + QStringLiteral(" in ") + request.workingDirectory;
                if (request.input)
                    out += u" with "_s + QString::number(request.input->size()) + u' ' + QString::fromLatin1(*request.input);
                reply({out, {}, 7});
            });
        });
    }
    if (!instance.claim()) {
        say(instance.problem().isEmpty() ? QStringLiteral("handed-over") : u"cannot start: "_s + instance.problem());
        return instance.problem().isEmpty() ? 0 : 1;
    }
    say(QStringLiteral("primary"));
    if (mode == QStringLiteral("deaf")) {
        QThread::sleep(20);
        return 3;
    }
    // Keeps running after an activation, as the application does.
    QObject::connect(&instance, &SingleInstance::activationRequested, &app,
                     [](const QString& token) { say(u"activated "_s + token); });
    QTimer::singleShot(20000, &app, [] { QCoreApplication::exit(3); });
    return app.exec();
}
