// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the running application in the command-line tests: claims the single
// instance, builds the model, reads the defaults and serves commands, as the window's shell
// does. Prints "ready" once it serves, and after each save of the guard file it makes, the
// file's inode and modification time as "saved guard.json INODE:SECONDS.NANOSECONDS".
#include "AppModel.h"
#include "Async.h"
#include "Cli.h"
#include "Language.h"
#include "SingleInstance.h"
#include "SystemLaunchServices.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include <sys/stat.h>

using namespace openwright;

namespace {

void say(const QByteArray& line)
{
    std::printf("%s\n", line.constData());
    std::fflush(stdout);
}

QByteArray stamp(const QString& path)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return "none";
    return QByteArray::number(qulonglong(st.st_ino)) + ':' + QByteArray::number(qlonglong(st.st_mtim.tv_sec)) + '.'
        + QByteArray::number(qlonglong(st.st_mtim.tv_nsec));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Language::install(app); // as the window's start does
    SingleInstance instance;
    if (!instance.claim()) {
        say("not the first instance");
        return 1;
    }
    AppModel model(std::make_shared<DefaultsService>(std::make_shared<SystemLaunchServices>()));
    cli::serve(instance, model);
    const QString guardFile = JSONStoreFile::defaultDirectory() + QStringLiteral("/guard.json");
    // "dies-before" / "dies-after": ends (as if killed) on the first request, before it changes
    // anything or once it has changed a data file, without answering.
    const QString dies = app.arguments().value(1);
    if (dies.startsWith(QStringLiteral("dies-"))) {
        instance.setRequestHandler([dies, guardFile](const InstanceRequest&, const SingleInstance::Reply&) {
            if (dies == QStringLiteral("dies-after")) {
                QFile file(guardFile);
                if (file.open(QIODevice::Append))
                    file.write(" ");
            }
            std::_Exit(9);
        });
    }
    // Queued: the model saves right after it announces the change.
    QObject::connect(
        &model, &AppModel::guardStateChanged, &model, [guardFile] { say("saved guard.json " + stamp(guardFile)); },
        Qt::QueuedConnection);
    continueOn(&model, model.refresh(), [] { say("ready"); });
    QTimer::singleShot(60'000, &app, [] { QCoreApplication::exit(3); });
    return app.exec();
}
