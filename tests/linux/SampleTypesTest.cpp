// SPDX-License-Identifier: GPL-3.0-or-later
// All Types kept current through changes, on the sample desktop through the GIO back end: after
// each of a seeded run of changes and resets (some of plain text, which a hundred subtypes
// follow), every type's app and source in the model are what a fresh read of the system says.
// A process of its own: the changes write the sample's lists.
#include "AppModel.h"
#include "ModelFakes.h"
#include "Notifier.h"
#include "Sandbox.h"
#include "SystemLaunchServices.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace openwright;
using namespace openwright::test;
using namespace Qt::Literals::StringLiterals;

namespace {

QString describe(const KnownType& t)
{
    return t.type + u' ' + (t.current ? t.current->url.fileName() : u"none"_s) + u' '
        + sourceName(t.source.value_or(DefaultSource::notSet));
}

TEST(SampleTypes, AllTypesIsWhatAFreshReadSaysAfterEveryChange)
{
    Sandbox::instance().installSampleDesktop();
    QTemporaryDir data;
    Notifier notifier;
    AppModelConfig config;
    config.dataDirectory = data.path();
    config.settingsPath = data.filePath(u"settings.conf"_s);
    config.notifier = &notifier;
    config.makeNotices = [] { return std::unique_ptr<WorkspaceNotices>(); };
    const auto service = std::make_shared<DefaultsService>(std::make_shared<SystemLaunchServices>());
    AppModel model(service, config);
    await(model.refresh());
    await(model.readTypes());
    settle(model);

    const quint64 seed = qEnvironmentVariableIsSet("OPENWRIGHT_TYPES_SEED")
        ? qEnvironmentVariable("OPENWRIGHT_TYPES_SEED").toULongLong()
        : 20261208;
    QRandomGenerator rng(seed);
    QList<Target> changeable;
    for (const KnownType& t : model.typeIndex().types()) {
        if (t.current)
            changeable.append(t.target);
    }
    ASSERT_GT(changeable.size(), 100);
    const Target plain = Target::mimeType(u"text/plain"_s);
    // Plain text reset, then set to the app the system chose: its subtypes keep their app, and
    // their answers come from elsewhere. Then anything.
    for (int step = 0; step < 10; ++step) {
        const Target target
            = step < 2 || rng.bounded(3) == 0 ? plain : changeable.at(rng.bounded(qsizetype(changeable.size())));
        const QList<AppInfo> candidates = service->state(target).candidates;
        QString what;
        if (step == 0 || (step > 1 && rng.bounded(3) == 0) || candidates.isEmpty()) {
            what = u"reset "_s + target.id();
            await(model.reset({target}));
        } else {
            const AppInfo& app = step == 1 ? *service->currentDefault(plain)
                                           : candidates.at(rng.bounded(qsizetype(candidates.size())));
            what = u"set "_s + target.id() + u' ' + app.url.fileName();
            await(model.change(model.category(target), app));
        }
        settle(model);
        const ApplicationIndex apps = ApplicationIndex::read(*service, model.categories());
        const TypeIndex fresh = TypeIndex::read(*service, model.categories(), apps);
        QStringList differ;
        for (const KnownType& t : fresh.types()) {
            const KnownType* kept = model.typeIndex().find(t.type);
            if (!kept || describe(*kept) != describe(t))
                differ.append((kept ? describe(*kept) : t.type + u" missing"_s) + u", fresh: "_s + describe(t));
        }
        // The applications' pages say the same of what they declare.
        for (const QString& type : apps.types()) {
            const KnownType declared {type, {}, {}, {}, {}, {}, apps.currentDefault(type), apps.source(type)};
            const KnownType kept {type,
                                  {},
                                  {},
                                  {},
                                  {},
                                  {},
                                  model.applicationIndex().currentDefault(type),
                                  model.applicationIndex().source(type)};
            if (describe(kept) != describe(declared))
                differ.append(u"application page: "_s + describe(kept) + u", fresh: "_s + describe(declared));
        }
        ASSERT_TRUE(differ.isEmpty()) << "seed " << seed << ", step " << step << " (" << what.toStdString() << "):\n"
                                      << differ.mid(0, 10).join(u'\n').toStdString();
    }
}

} // namespace
