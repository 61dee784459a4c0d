// SPDX-License-Identifier: GPL-3.0-or-later
// One process per generated desktop for the differential test: GIO reads the XDG variables
// once per process, so each desktop gets a fresh one. For every target on the command line it
// prints, tab-separated: the target, GIO's own default (g_app_info_get_default_for_type), what
// status reads, what the explanation arrives at, whether the explanation agrees, its summary,
// where status says the answer comes from, and where the explanation's deciding step is (the
// user's home, another list, the installed handlers).
// With --reset first, it resets the targets instead and prints nothing; with --stamp, it prints
// the stamp a start compares its kept defaults by, which must come out the same in every process. With --all-types, it
// prints every type of the All Types list instead: the type, GIO's default, the list's app, and
// where the list says the answer comes from.
#include "ApplicationIndex.h"
#include "DefaultsService.h"
#include "SystemLaunchServices.h"
#include "TypeIndex.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <QFile>

#include <cstdio>

using namespace openwright;

namespace {

QString gioDefault(const QString& type)
{
    GAppInfo* info = g_app_info_get_default_for_type(type.toUtf8().constData(), false);
    if (!info)
        return {};
    const QString path = G_IS_DESKTOP_APP_INFO(info)
        ? QFile::decodeName(g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(info)))
        : QStringLiteral("(not a desktop entry)");
    g_object_unref(info);
    return path;
}

QString whySource(const DecisionChain& chain)
{
    const DecisionStep* step = chain.decisiveStep();
    if (!chain.app || !step)
        return sourceName(DefaultSource::notSet);
    if (step->file.isEmpty())
        return sourceName(DefaultSource::system);
    return sourceName(step->file.startsWith(qEnvironmentVariable("HOME") + u'/') ? DefaultSource::user
                                                                                 : DefaultSource::desktop);
}

} // namespace

int main(int argc, char** argv)
{
    SystemLaunchServices system;
    if (argc > 1 && qstrcmp(argv[1], "--reset") == 0) {
        for (int i = 2; i < argc; ++i) {
            if (const auto target = Target::parse(QString::fromUtf8(argv[i]))) {
                try {
                    system.resetDefault({*target});
                } catch (const LaunchError& e) {
                    std::fprintf(stderr, "%s: %s\n", argv[i], qPrintable(e.message()));
                    return 1;
                }
            }
        }
        return 0;
    }
    if (argc > 1 && qstrcmp(argv[1], "--stamp") == 0) {
        std::printf("%s\n", system.answersStamp().value_or(QByteArray()).toHex().constData());
        return 0;
    }
    if (argc > 1 && qstrcmp(argv[1], "--all-types") == 0) {
        const DefaultsService service(std::make_shared<SystemLaunchServices>());
        const ApplicationIndex apps = ApplicationIndex::read(service, Catalog::all());
        const TypeIndex types = TypeIndex::read(service, Catalog::all(), apps);
        for (const KnownType& t : types.types()) {
            const QStringList fields {t.type, gioDefault(t.type), t.current ? t.current->url.toLocalFile() : QString(),
                                      sourceName(t.source.value_or(DefaultSource::notSet))};
            std::printf("%s\n", fields.join(u'\t').toUtf8().constData());
        }
        return 0;
    }
    for (int i = 1; i < argc; ++i) {
        const auto target = Target::parse(QString::fromUtf8(argv[i]));
        const auto type = target ? SystemLaunchServices::contentType(*target) : std::nullopt;
        if (!type) {
            std::printf("%s\tunknown\n", argv[i]);
            continue;
        }
        const auto status = system.defaultApp(*target);
        const DecisionChain chain = system.explain(*target);
        const QStringList fields {QString::fromUtf8(argv[i]),
                                  gioDefault(*type),
                                  status ? status->toLocalFile() : QString(),
                                  chain.app ? chain.app->path : QString(),
                                  chain.agreesWithSystem ? QStringLiteral("agrees") : QStringLiteral("differs"),
                                  chain.summary(),
                                  sourceName(system.read(*target, false).source.value_or(DefaultSource::notSet)),
                                  whySource(chain)};
        std::printf("%s\n", fields.join(u'\t').toUtf8().constData());
    }
    return 0;
}
