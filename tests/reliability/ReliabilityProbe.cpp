// SPDX-License-Identifier: GPL-3.0-or-later
// For scripts/reliability.sh, not a ctest test.
//   reliability_probe burst DIR   saves the three data files in DIR as fast as the model can,
//                                 through the model's own operations, until it is killed
//   reliability_probe check DIR   exits 0 when every data file in DIR loads (or is absent) and no
//                                 temporary outlives a start; prints what it found
#include "AppModel.h"
#include "FakeLaunchServices.h"
#include "ModelFakes.h"
#include "Sandbox.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

using namespace openwright;
using namespace Qt::Literals::StringLiterals;

namespace {

std::unique_ptr<AppModel> makeModel(const QString& dir, std::shared_ptr<DefaultsService> service)
{
    AppModelConfig config;
    config.dataDirectory = dir;
    config.settingsPath = dir + u"/settings.conf"_s;
    config.makeNotices = [] { return std::unique_ptr<WorkspaceNotices>(); };
    static Notifier notifier;
    config.notifier = &notifier;
    return std::make_unique<AppModel>(std::move(service), std::move(config));
}

int burst(const QString& dir)
{
    auto fake = std::make_shared<test::FakeLaunchServices>();
    QList<AppInfo> apps;
    for (int i = 0; i < 8; ++i)
        apps.append(fake->addApp(u"App"_s + QString::number(i), u"org.app"_s + QString::number(i)));
    int n = 0;
    for (const FileCategory& c : Catalog::all())
        fake->setDefault(c.target, apps[n++ % apps.size()]);
    auto model = makeModel(dir, std::make_shared<DefaultsService>(fake, [](const QUrl&) { return true; }));
    test::await(model->refresh());
    std::printf("saving\n");
    std::fflush(stdout);
    const Target pdf = Target::fileExtension(u"pdf"_s);
    for (int i = 0;; ++i) {
        model->togglePin(pdf);
        model->backUpNow();
        model->addCustom(u"x"_s + QString::number(i % 50));
        if (i % 3 == 0)
            model->saveCurrentAsProfile(u"Profile "_s + QString::number(i));
        if (model->backups().size() > 150)
            model->deleteProfile(model->backups().last());
        if (i % 7 == 0)
            model->removeCustom(model->customTargets().value(0));
        QCoreApplication::processEvents();
    }
}

int check(const QString& dir)
{
    int bad = 0;
    const auto report = [&](const char* file, bool exists, bool loads) {
        if (exists && !loads) {
            std::printf("%s does not load\n", file);
            ++bad;
        }
    };
    const auto exists = [&](const char* file) { return QFileInfo::exists(dir + u'/' + QLatin1StringView(file)); };
    report("custom-types.json", exists("custom-types.json"),
           JSONStore<QList<Target>>(u"custom-types.json"_s, dir).load().has_value());
    report("profiles.json", exists("profiles.json"),
           JSONStore<QList<Profile>>(u"profiles.json"_s, dir).load().has_value());
    report("guard.json", exists("guard.json"), JSONStore<GuardState>(u"guard.json"_s, dir).load().has_value());
    // A start removes what an interrupted save left behind.
    makeModel(dir, std::make_shared<DefaultsService>(std::make_shared<test::FakeLaunchServices>()));
    const QStringList left = QDir(dir).entryList({u"*.json.??????"_s}, QDir::Files);
    if (!left.isEmpty()) {
        std::printf("temporaries left: %s\n", qPrintable(left.join(u", "_s)));
        ++bad;
    }
    return bad == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    test::Sandbox::instance(); // nothing here may reach the real desktop
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString dir = QString::fromLocal8Bit(argv[2]);
    return mode == u"burst"_s ? burst(dir) : mode == u"check"_s ? check(dir) : 2;
}
