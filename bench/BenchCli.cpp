// SPDX-License-Identifier: GPL-3.0-or-later
// "openwright status" for every watched type, as a whole process, against
// "xdg-mime query default" run once for each of the same types, in the same run, both inside
// the sample desktop. Prints "cli-status-64: N ms, xdg-mime M ms, speedup S" (medians), then
// on stderr the types for which the two name different applications.
#include "Sandbox.h"

#include "BenchSupport.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

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

} // namespace

int main(int argc, char** argv)
{
    test::Sandbox::instance(); // HOME and XDG_* point at a temporary tree before anything runs
    QCoreApplication app(argc, argv);
    test::Sandbox::instance().installSampleDesktop(); // the programs below inherit it
    const QString cli = QStringLiteral(OPENWRIGHT_CLI);
    const QString xdgMime = QStandardPaths::findExecutable(u"xdg-mime"_s);
    if (xdgMime.isEmpty()) {
        std::fprintf(stderr, "xdg-mime is missing: install xdg-utils (scripts/install-deps.sh --bench)\n");
        return 1;
    }

    // Each type's MIME type as Openwright maps it, and its answer, outside the timed part.
    QList<std::pair<QString, QString>> types; // type, desktop-file ID
    const QJsonArray rows = QJsonDocument::fromJson(output(cli, {u"status"_s, u"--json"_s}))[u"types"_s].toArray();
    for (const QJsonValue& row : rows) {
        if (row[u"type"_s].isString())
            types.append({row[u"type"_s].toString(), row[u"app"_s][u"desktopId"_s].toString()});
    }
    if (rows.size() != 64) {
        std::fprintf(stderr, "expected 64 watched types, got %lld\n", qlonglong(rows.size()));
        return 1;
    }

    std::vector<double> cliRuns;
    std::vector<double> xdgRuns;
    for (int i = 0; i < 5; ++i) {
        xdgRuns.push_back(bench::elapsedMs([&] {
            for (const auto& t : types)
                output(xdgMime, {u"query"_s, u"default"_s, t.first});
        }));
        for (int k = 0; k < 5; ++k)
            cliRuns.push_back(bench::elapsedMs([&] { output(cli, {u"status"_s}); }));
    }
    const double c = bench::median(cliRuns);
    const double x = bench::median(xdgRuns);
    std::printf("cli-status-64: %.0f ms, xdg-mime %.0f ms, speedup %.0f\n", c, x, x / c);
    std::fflush(stdout);

    // xdg-mime reads the lists with its own parser, which follows neither parent types
    // (text/plain for .log) nor added associations; GIO, and so Openwright, does.
    for (const auto& [type, id] : types) {
        const QString answer = QString::fromUtf8(output(xdgMime, {u"query"_s, u"default"_s, type})).trimmed();
        if (answer != id)
            std::fprintf(stderr, "%s: openwright %s, xdg-mime %s\n", qPrintable(type), qPrintable(id),
                         answer.isEmpty() ? "nothing" : qPrintable(answer));
    }
    return 0;
}
