// SPDX-License-Identifier: GPL-3.0-or-later
// Changes as whole processes, inside a generated desktop (scripts/bench.sh sources its env.sh),
// against the platform's own writes in the same rounds. Each run is a real change: every command
// toggles between two applications.
//   cli-set-one-LABEL: "openwright set application/pdf APP" against "gio mime application/pdf
//     APP" (GIO's own write and re-read) and "xdg-mime default APP.desktop application/pdf";
//   cli-set-ten-LABEL: ten types in one "openwright set" against ten "gio mime" writes and one
//     "xdg-mime default" naming all ten;
//   cli-guard-check-LABEL: "openwright guard check" against a program on Qt Core and GIO asking
//     each watched type's default;
//   cli-backup-now-LABEL: "openwright backup now" against the same floor.
// Medians of the wall time, with min/median/max of each.
#include "BenchSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

using namespace openwright;
using namespace Qt::Literals::StringLiterals;

namespace {

struct Command
{
    QString program;
    QStringList arguments;
};

// Each command of a round in turn, `rounds` times: the commands of one column alternate with
// each other's, so that a busy moment of the machine stretches them alike.
QList<std::vector<double>> measure(const QList<QList<Command>>& columns, int rounds)
{
    QList<std::vector<double>> wall(columns.size());
    for (int r = 0; r < rounds; ++r) {
        for (qsizetype c = 0; c < columns.size(); ++c) {
            const Command& command = columns[c][r % columns[c].size()];
            wall[c].push_back(bench::timed(command.program, command.arguments).wallMs);
        }
    }
    return wall;
}

void print(const QByteArray& name, const QStringList& floors, const QList<std::vector<double>>& wall)
{
    const double ours = bench::median(wall[0]);
    std::printf("%s: %.0f ms", name.constData(), ours);
    for (qsizetype i = 1; i < wall.size(); ++i) {
        const double floor = bench::median(wall[i]);
        std::printf(", %s %.0f ms, ratio %.2f", qPrintable(floors[i - 1]), floor, ours / floor);
    }
    std::printf(" (min/median/max: openwright %s ms", bench::spread(wall[0]).constData());
    for (qsizetype i = 1; i < wall.size(); ++i)
        std::printf(", %s %s ms", qPrintable(floors[i - 1]), bench::spread(wall[i]).constData());
    std::printf(")\n");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2 || !bench::inGeneratedDesktop()) {
        std::fprintf(stderr, "usage: bench_changes LABEL, inside a generated desktop (OPENWRIGHT_BENCH_ROOT)\n");
        return 2;
    }
    const QByteArray label = argv[1];
    const QString cli = QStringLiteral(OPENWRIGHT_CLI);
    const QString gio = QStandardPaths::findExecutable(u"gio"_s);
    const QString xdgMime = QStandardPaths::findExecutable(u"xdg-mime"_s);
    if (gio.isEmpty()) {
        std::fprintf(stderr, "gio is missing: install libglib2.0-bin\n");
        return 1;
    }
    const int rounds = 9;

    // One type, between the sample's two PDF viewers.
    const QStringList viewers {u"org.kde.okular"_s, u"org.gnome.Evince"_s};
    QList<QList<Command>> one(1);
    QList<Command> gioOne;
    QList<Command> xdgOne;
    for (const QString& v : viewers) {
        one[0].append({cli, {u"set"_s, u"application/pdf"_s, v}});
        gioOne.append({gio, {u"mime"_s, u"application/pdf"_s, v + u".desktop"_s}});
        xdgOne.append({xdgMime, {u"default"_s, v + u".desktop"_s, u"application/pdf"_s}});
    }
    QStringList floors {u"gio mime"_s};
    one.append(gioOne);
    if (!xdgMime.isEmpty()) {
        one.append(xdgOne);
        floors.append(u"xdg-mime"_s);
    }
    print("cli-set-one-" + label, floors, measure(one, rounds));

    // Ten types both players declare, in one call.
    const QStringList ten {u"audio/aac"_s,  u"audio/flac"_s, u"audio/mpeg"_s,       u"audio/ogg"_s,        u"audio/x-wav"_s,
                           u"video/mp4"_s,  u"video/mpeg"_s, u"video/webm"_s,       u"video/x-matroska"_s, u"video/x-msvideo"_s};
    QList<QList<Command>> many(1);
    QList<Command> xdgTen;
    for (const QString& player : {u"vlc"_s, u"mpv"_s}) {
        many[0].append({cli, QStringList {u"set"_s} + ten + QStringList {player}});
        xdgTen.append({xdgMime, QStringList {u"default"_s, player + u".desktop"_s} + ten});
    }
    // Ten gio mime writes, as a script makes them: one process each.
    QList<std::vector<double>> wall = measure(many, rounds);
    std::vector<double> gioTen;
    for (int r = 0; r < rounds; ++r) {
        const QString player = r % 2 ? u"mpv.desktop"_s : u"vlc.desktop"_s;
        double sum = 0;
        for (const QString& type : ten)
            sum += bench::timed(gio, {u"mime"_s, type, player}).wallMs;
        gioTen.push_back(sum);
    }
    wall.append(gioTen);
    QStringList tenFloors {u"10 gio mime"_s};
    if (!xdgMime.isEmpty()) {
        wall.append(measure({xdgTen}, rounds).first());
        tenFloors.append(u"xdg-mime"_s);
    }
    print("cli-set-ten-" + label, tenFloors, wall);

    // The watched types, as the command line lists them, for the floor of a check.
    QProcess status;
    status.start(cli, {u"status"_s, u"--json"_s});
    status.waitForFinished(120'000);
    QStringList watched;
    for (const QJsonValue& row : QJsonDocument::fromJson(status.readAllStandardOutput())[u"types"_s].toArray()) {
        if (row[u"type"_s].isString())
            watched.append(row[u"type"_s].toString());
    }
    const Command floor {QStringLiteral(OPENWRIGHT_CLI_FLOOR), watched};
    print("cli-guard-check-" + label, {u"floor"_s},
          measure({{{cli, {u"guard"_s, u"check"_s}}}, {floor}}, rounds));
    // Manual backups are never pruned: put the profiles file back, so that the next run of the
    // benchmark reads and writes one as large as this run did.
    QFile profiles(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                   + u"/Openwright/profiles.json"_s);
    const bool existed = profiles.open(QIODevice::ReadOnly);
    const QByteArray before = existed ? profiles.readAll() : QByteArray();
    profiles.close();
    print("cli-backup-now-" + label, {u"floor"_s}, measure({{{cli, {u"backup"_s, u"now"_s}}}, {floor}}, rounds));
    if (!existed)
        profiles.remove();
    else if (profiles.open(QIODevice::WriteOnly | QIODevice::Truncate))
        profiles.write(before);
    return 0;
}
