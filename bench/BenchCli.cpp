// SPDX-License-Identifier: GPL-3.0-or-later
// The command line as whole processes against GLib's own `gio mime`, in the same run, inside the
// sample desktop:
//   cli-one-type: one query ("openwright status application/pdf" against "gio mime
//     application/pdf"), alternating, medians of the wall time, with min/median/max of each,
//     and the medians of the CPU time each used (a busy machine stretches the wall time only);
//   cli-one-type-floor: in the same rounds, a program of Qt Core and GIO alone asking GIO the
//     same question: what any Qt program pays, against gio mime;
//   cli-status-65: "openwright status" for every watched type against "gio mime" once per type.
// Then, on stderr, the types for which the two name different applications.
#include "Sandbox.h"

#include "BenchSupport.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

using namespace openwright;
using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray output(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60'000);
    return p.readAllStandardOutput();
}

// The desktop-file ID `gio mime TYPE` names as the default, or nothing.
QString gioDefault(const QByteArray& answer)
{
    for (const QByteArray& line : answer.split('\n')) {
        if (line.startsWith("Default application for"))
            return QString::fromUtf8(line.mid(line.lastIndexOf(": ") + 2)).trimmed();
    }
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    test::Sandbox::instance(); // HOME and XDG_* point at a temporary tree before anything runs
    QCoreApplication app(argc, argv);
    test::Sandbox::instance().installSampleDesktop(); // the programs below inherit it
    const QString cli = QStringLiteral(OPENWRIGHT_CLI);
    const QString gio = QStandardPaths::findExecutable(u"gio"_s);
    if (gio.isEmpty()) {
        std::fprintf(stderr, "gio is missing: install libglib2.0-bin\n");
        return 1;
    }

    // One type: the whole cost of a query, start-up included.
    const QString floor = QStringLiteral(OPENWRIGHT_CLI_FLOOR);
    struct Runs
    {
        std::vector<double> wall;
        std::vector<double> cpu;
        void add(const bench::Timing& t)
        {
            wall.push_back(t.wallMs);
            cpu.push_back(t.cpuMs);
        }
    };
    Runs cliOne;
    Runs gioOne;
    Runs floorOne;
    for (int i = 0; i < 61; ++i) {
        cliOne.add(bench::timed(cli, {u"status"_s, u"application/pdf"_s}));
        gioOne.add(bench::timed(gio, {u"mime"_s, u"application/pdf"_s}));
        floorOne.add(bench::timed(floor, {u"application/pdf"_s}));
    }
    const double c1 = bench::median(cliOne.wall);
    const double g1 = bench::median(gioOne.wall);
    const double f1 = bench::median(floorOne.wall);
    const double cc = bench::median(cliOne.cpu);
    const double gc = bench::median(gioOne.cpu);
    const double fc = bench::median(floorOne.cpu);
    std::printf("cli-one-type: %.1f ms, gio-mime %.1f ms, ratio %.2f (min/median/max: openwright %s ms, gio mime %s "
                "ms; cpu: openwright %.1f ms, gio mime %.1f ms, ratio %.2f)\n",
                c1, g1, c1 / g1, bench::spread(cliOne.wall).constData(), bench::spread(gioOne.wall).constData(), cc, gc, cc / gc);
    std::printf("cli-one-type-floor: qtcore+gio %.1f ms, ratio %.2f to gio mime, openwright %.2f to it "
                "(min/median/max: %s ms; cpu: %.1f ms, ratio %.2f to gio mime)\n",
                f1, f1 / g1, c1 / f1, bench::spread(floorOne.wall).constData(), fc, fc / gc);
    std::fflush(stdout);

    // Each type's MIME type as Openwright maps it, and its answer, outside the timed part.
    QList<std::pair<QString, QString>> types; // type, desktop-file ID
    QSet<QString> split; // types of extensions whose files open by several types
    const QJsonArray rows = QJsonDocument::fromJson(output(cli, {u"status"_s, u"--json"_s}))[u"types"_s].toArray();
    for (const QJsonValue& row : rows) {
        if (!row[u"type"_s].isString())
            continue;
        types.append({row[u"type"_s].toString(), row[u"app"_s][u"desktopId"_s].toString()});
        if (!row[u"byType"_s].toArray().isEmpty())
            split.insert(row[u"type"_s].toString());
    }
    if (rows.size() != 65) {
        std::fprintf(stderr, "expected 65 watched types, got %lld\n", qlonglong(rows.size()));
        return 1;
    }
    std::vector<double> cliRuns;
    std::vector<double> gioRuns;
    for (int i = 0; i < 5; ++i) {
        gioRuns.push_back(bench::elapsedMs([&] {
            for (const auto& t : types)
                output(gio, {u"mime"_s, t.first});
        }));
        cliRuns.push_back(bench::elapsedMs([&] { output(cli, {u"status"_s}); }));
    }
    const double c = bench::median(cliRuns);
    const double g = bench::median(gioRuns);
    std::printf("cli-status-65: %.0f ms, gio-mime %.0f ms, speedup %.0f\n", c, g, g / c);
    std::fflush(stdout);

    // Both ask GIO; a difference is a fault of Openwright's mapping or reading. A type whose
    // extension the system gives several types (.ts) has no one default in Openwright.
    for (const auto& [type, id] : types) {
        if (split.contains(type))
            continue;
        const QString answer = gioDefault(output(gio, {u"mime"_s, type}));
        if (answer != id)
            std::fprintf(stderr, "%s: openwright %s, gio mime %s\n", qPrintable(type), qPrintable(id),
                         answer.isEmpty() ? "nothing" : qPrintable(answer));
    }
    return 0;
}
