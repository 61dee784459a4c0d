// SPDX-License-Identifier: GPL-3.0-or-later
// Typing in the search field: each keystroke filters the full list of types (64 and more) and
// the window is laid out and painted again. Measured in the real window over the sample desktop,
// offscreen; the worst keystroke of a typed word is what a person feels.
#include "AppModel.h"
#include "BenchSupport.h"
#include "ModelFakes.h"
#include "Notifier.h"
#include "Sandbox.h"
#include "shell/MainWindow.h"
#include "shell/OpenwrightApp.h"
#include "shell/RootView.h"
#include "SystemLaunchServices.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace openwright;

int main(int argc, char** argv)
{
    test::Sandbox::instance().installSampleDesktop();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::OpenwrightApp::prepare(app);
    QTemporaryDir data;
    Notifier notifier;
    AppModelConfig config;
    config.dataDirectory = data.path();
    config.settingsPath = data.filePath(QStringLiteral("settings.conf"));
    config.notifier = &notifier;
    config.makeNotices = [] { return std::unique_ptr<WorkspaceNotices>(); };
    AppModel model(std::make_shared<DefaultsService>(std::make_shared<SystemLaunchServices>()), std::move(config));
    for (const char* custom : {"log2", "nfo", "diz", "yml", "jpeg"})
        model.addCustom(QString::fromLatin1(custom));
    test::await(model.refresh());
    ui::MainWindow window(model);
    window.resize(1100, 700);
    window.show();
    QApplication::processEvents();
    auto* field = window.findChild<QLineEdit*>();

    std::vector<double> keystrokes;
    for (int round = 0; round < qEnvironmentVariableIntValue("BENCH_ROUNDS") + 5; ++round) {
        for (const QString& word : {QStringLiteral("viewer"), QStringLiteral(".md"), QStringLiteral("document")}) {
            for (qsizetype i = 1; i <= word.size(); ++i) {
                // The keystroke, then the layout and the paint of what it changed (Qt paints only
                // the dirty part, on the update request it posts).
                keystrokes.push_back(bench::elapsedMs([&] {
                    field->setText(word.left(i));
                    QApplication::processEvents();
                    QApplication::processEvents();
                }));
            }
            field->clear();
            QApplication::processEvents();
        }
    }
    if (qEnvironmentVariableIsSet("BENCH_VERBOSE")) {
        for (double k : keystrokes)
            std::printf("%.1f ", k);
        std::printf("\n");
    }
    std::sort(keystrokes.begin(), keystrokes.end());
    std::printf("search-keystroke: %.1f ms (median %.1f ms over %zu keystrokes, %lld types)\n",
                keystrokes[keystrokes.size() * 95 / 100], keystrokes[keystrokes.size() / 2], keystrokes.size(),
                qlonglong(model.categories().size()));
    return 0;
}
