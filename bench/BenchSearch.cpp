// SPDX-License-Identifier: GPL-3.0-or-later
// Typing in the search field, from the key press to the painted frame: each keystroke filters
// the full list of types (64 and more) and the window is laid out and painted again. Measured
// in the real window over the sample desktop, offscreen, with real key events. Each round opens
// a fresh window (so every round has a true first keystroke, which builds the search screen),
// types three words letter by letter and clears the field after each (select all, Backspace),
// which brings back the screen the search replaced. Prints the 95th percentile of them all, and
// of the first keystrokes and the clearings on their own.
#include "AppModel.h"
#include "BenchModel.h"
#include "BenchSupport.h"
#include "ModelFakes.h"
#include "Notifier.h"
#include "Sandbox.h"
#include "shell/MainWindow.h"
#include "shell/OpenwrightApp.h"
#include "shell/RootView.h"
#include "SystemLaunchServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace openwright;

namespace {

void press(QWidget* field, int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(field, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(field, &up);
}

// The keystroke, then the layout and the paint of what it changed (Qt paints only the dirty
// part, on the update request it posts).
double keystroke(const std::function<void()>& key)
{
    return bench::elapsedMs([&] {
        key();
        QApplication::processEvents();
        QApplication::processEvents();
    });
}

double percentile95(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, v.size() * 95 / 100)];
}

} // namespace

int main(int argc, char** argv)
{
    // bench_search [--desktop LABEL]: the sample desktop, or the generated one it runs inside.
    const bool desktop = argc > 2 && qstrcmp(argv[1], "--desktop") == 0;
    if (desktop && !bench::inGeneratedDesktop()) {
        std::fprintf(stderr, "bench_search --desktop runs only inside a generated desktop (OPENWRIGHT_BENCH_ROOT)\n");
        return 2;
    }
    if (!desktop)
        test::Sandbox::instance().installSampleDesktop();
    const QByteArray label = desktop ? "-" + QByteArray(argv[2]) : QByteArray();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::OpenwrightApp::prepare(app);

    std::vector<double> all, first, clearing;
    qsizetype types = 0;
    // Each round a new model and window, as a new start has: its first keystroke builds the
    // search screen and reads what the search needs for the first time. The window has had its
    // first frames and a moment idle, as a person's hand takes to reach the keys.
    for (int round = 0; round < qEnvironmentVariableIntValue("BENCH_ROUNDS") + 20; ++round) {
        bench::BenchModel bench;
        AppModel& model = bench.model;
        for (const char* custom : {"log2", "nfo", "diz", "yml", "jpeg"})
            model.addCustom(QString::fromLatin1(custom));
        test::await(model.refresh());
        types = model.categories().size();
        ui::MainWindow window(model);
        window.resize(1100, 700);
        window.show();
        QElapsedTimer idle;
        idle.start();
        while (idle.elapsed() < 300)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        auto* field = window.findChild<QLineEdit*>();
        field->setFocus();
        bool firstOfWindow = true;
        for (const QString& word : {QStringLiteral("viewer"), QStringLiteral(".md"), QStringLiteral("document")}) {
            for (const QChar c : word) {
                const double ms = keystroke([&] { press(field, c.unicode(), QString(c)); });
                all.push_back(ms);
                if (firstOfWindow)
                    first.push_back(ms);
                firstOfWindow = false;
            }
            const double ms = keystroke([&] {
                field->selectAll();
                press(field, Qt::Key_Backspace);
            });
            all.push_back(ms);
            clearing.push_back(ms);
        }
        if (!field->text().isEmpty()) {
            std::fprintf(stderr, "the field did not clear\n");
            return 1;
        }
    }
    if (qEnvironmentVariableIsSet("BENCH_VERBOSE")) {
        for (double k : first)
            std::printf("%.1f ", k);
        std::printf("\n");
    }
    std::printf("search-keystroke%s: p95 %.1f ms (median %.1f ms over %zu keystrokes, %lld types); first keystroke "
                "p95 %.1f ms (median %.1f ms over %zu new windows), clearing p95 %.1f ms\n",
                label.constData(), percentile95(all), bench::median(all), all.size(), qlonglong(types),
                percentile95(first), bench::median(first), first.size(), percentile95(clearing));
    return 0;
}
