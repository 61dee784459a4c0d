// SPDX-License-Identifier: GPL-3.0-or-later
// Opening an application's page on a desktop of 1,000 applications: the one read of every
// application with its declared types (timed once), then each page made from memory, laid out
// and painted in the real window, offscreen. One frame is 16 ms. Then All Types on the same
// desktop: the read of every type (timed once), opening the screen, and each keystroke of its
// filter from key press to painted frame, against the same words typed in the search of the
// category lists in the same window (the baseline: ratio min, median, max over the words).
#include "applications/ApplicationsView.h"
#include "types/AllTypesView.h"
#include "AppModel.h"
#include "BenchModel.h"
#include "BenchSupport.h"
#include "ModelFakes.h"
#include "Notifier.h"
#include "Sandbox.h"
#include "shell/MainWindow.h"
#include "shell/OpenwrightApp.h"
#include "SystemLaunchServices.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace openwright;

namespace {

constexpr int kApps = 1000;
constexpr int kWidest = 200; // the types of the widest entry, as a media player declares

// 1,000 entries declaring 0 to 40 types each from a pool of real media, image, document and text
// types and made-up ones; the first declares kWidest.
QList<QUrl> buildDesktop()
{
    QStringList pool;
    for (const char* media : {"video", "audio", "image", "text"}) {
        for (int i = 0; i < 60; ++i)
            pool.append(QString::fromLatin1(media) + QStringLiteral("/x-bench-") + QString::number(i));
    }
    for (const char* real : {"video/mp4", "video/webm", "audio/mpeg", "audio/flac", "image/png", "image/jpeg",
                             "text/plain", "text/markdown", "application/pdf", "application/zip"})
        pool.append(QString::fromLatin1(real));
    QRandomGenerator rng(21);
    QList<QUrl> apps;
    for (int i = 0; i < kApps; ++i) {
        QStringList declared;
        const int count = i == 0 ? kWidest : int(rng.bounded(41));
        for (int k = 0; k < count; ++k)
            declared.append(i == 0 ? pool.at(k % pool.size()) : pool.at(rng.bounded(pool.size())));
        apps.append(
            QUrl::fromLocalFile(test::XdgTree::addApp(QStringLiteral("org.example.Bench") + QString::number(i),
                                                      QStringLiteral("Bench App ") + QString::number(i), declared)));
    }
    test::XdgTree::buildCaches();
    return apps;
}

// Each letter of `word` typed into `field`, then the field cleared, each timed from the key press
// to the painted frame.
std::vector<double> typeAndClear(QLineEdit* field, const QString& word, const std::function<void()>& after = {})
{
    const auto press = [&](int key, const QString& text) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(field, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(field, &up);
    };
    const auto frame = [](const std::function<void()>& key) {
        return bench::elapsedMs([&] {
            key();
            QApplication::processEvents();
            QApplication::processEvents();
        });
    };
    std::vector<double> times;
    field->setFocus();
    for (const QChar c : word) {
        times.push_back(frame([&] { press(c.unicode(), QString(c)); }));
        if (after)
            after();
    }
    times.push_back(frame([&] {
        field->selectAll();
        press(Qt::Key_Backspace, {});
    }));
    if (after)
        after();
    return times;
}

double percentile95(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, v.size() * 95 / 100)];
}

} // namespace

int main(int argc, char** argv)
{
    test::Sandbox::instance(); // HOME and XDG_* point at a temporary tree before any GIO call
    const QList<QUrl> apps = buildDesktop();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::OpenwrightApp::prepare(app);
    bench::BenchModel bench;
    AppModel& model = bench.model;
    test::await(model.refresh());
    const double firstRead = bench::elapsedMs([&] { test::await(model.readApplications()); });
    ui::MainWindow window(model);
    window.resize(1100, 700);
    window.show();
    model.setSelection(SidebarItem::applications());
    QApplication::processEvents();

    // Selecting an application, then the layout and the paint of its page.
    const auto open = [&](const QUrl& url) {
        return bench::elapsedMs([&] {
            model.setSelectedApplication(url);
            QApplication::processEvents();
            QApplication::processEvents();
        });
    };
    std::vector<double> pages;
    std::vector<double> widest;
    QRandomGenerator rng(7);
    for (int round = 0; round < qEnvironmentVariableIntValue("BENCH_ROUNDS") + 40; ++round) {
        pages.push_back(open(apps.at(1 + rng.bounded(kApps - 1))));
        if (round % 4 == 0)
            widest.push_back(open(apps.first()));
    }
    std::sort(pages.begin(), pages.end());

    // All Types: read, opened, filtered; the search of the category lists as the baseline.
    const double typesRead = bench::elapsedMs([&] { test::await(model.readTypes()); });
    const double opened = bench::elapsedMs([&] {
        model.setSelection(SidebarItem::allTypes());
        QApplication::processEvents();
        QApplication::processEvents();
    });
    auto* view = window.findChild<ui::AllTypesView*>();
    QLineEdit* search = nullptr;
    for (QLineEdit* field : window.findChildren<QLineEdit*>()) {
        if (field->placeholderText().startsWith(QStringLiteral("Search types")))
            search = field;
    }
    if (!view || !search) {
        std::fprintf(stderr, "no All Types screen or search field\n");
        return 1;
    }
    std::vector<double> filtering, searching, ratios, filterOnly;
    const auto noteFilter = [&] { filterOnly.push_back(double(view->lastFilterTime().count()) / 1000); };
    for (int round = 0; round < qEnvironmentVariableIntValue("BENCH_ROUNDS") + 3; ++round) {
        for (const QString& word : {QStringLiteral("image"), QStringLiteral("*.md"), QStringLiteral("document"),
                                    QStringLiteral("x-scheme")}) {
            model.setSelection(SidebarItem::allTypes());
            QApplication::processEvents();
            const std::vector<double> filtered = typeAndClear(view->filter(), word, noteFilter);
            const std::vector<double> searched = typeAndClear(search, word);
            filtering.insert(filtering.end(), filtered.begin(), filtered.end());
            searching.insert(searching.end(), searched.begin(), searched.end());
            ratios.push_back(percentile95(filtered) / percentile95(searched));
        }
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("all-types: %lld types read in %.0f ms, opened in %.1f ms; filter keystroke p95 %.1f ms (median %.1f "
                "ms over %zu, of it the filter p95 %.1f ms), category search p95 %.1f ms; ratio of p95s per word min %.2f median %.2f max %.2f\n",
                qlonglong(model.typeIndex().types().size()), typesRead, opened, percentile95(filtering),
                bench::median(filtering), filtering.size(), percentile95(filterOnly), percentile95(searching), ratios.front(),
                ratios[ratios.size() / 2], ratios.back());
    std::printf("applications-page: %.1f ms p95, median %.1f ms over %zu pages of %d applications (%lld read); "
                "%d-type page %.1f ms median; first read %.0f ms\n",
                pages[pages.size() * 95 / 100], pages[pages.size() / 2], pages.size(), kApps,
                qlonglong(model.applicationIndex().apps().size()), kWidest, bench::median(widest), firstRead);
    return 0;
}
