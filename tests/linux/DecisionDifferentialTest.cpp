// SPDX-License-Identifier: GPL-3.0-or-later
// Status and "why" against GIO's own lookup on a few hundred generated desktops: lists at every
// level (desktop-specific ones too), alias keys, parent types, added and removed associations,
// repeated keys, hidden and broken entries, valid and invalid desktop names. GIO reads the XDG
// variables once per process, so each desktop is read by a process of its own (DecisionProbe).
// The seed is fixed so that a failure reproduces; OPENWRIGHT_DIFFERENTIAL_SEED and
// OPENWRIGHT_DIFFERENTIAL_COUNT explore further.
#include "Sandbox.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <numeric>

using namespace openwright::test;
using namespace Qt::Literals::StringLiterals;

namespace {

struct Type
{
    QString name;
    QStringList aliases;
};

// Parents: text/x-c++src < text/x-csrc < text/plain; text/markdown, application/x-yaml and
// text/x-python < text/plain; text/x-python < application/x-executable.
const QList<Type> kTypes {
    {u"application/pdf"_s, {u"application/x-pdf"_s, u"image/pdf"_s}},
    {u"text/plain"_s, {}},
    {u"text/x-csrc"_s, {u"text/x-c"_s}},
    {u"text/x-c++src"_s, {}},
    {u"text/markdown"_s, {u"text/x-markdown"_s}},
    {u"application/x-yaml"_s, {u"text/yaml"_s, u"text/x-yaml"_s}},
    {u"text/x-python"_s, {}},
    {u"application/x-executable"_s, {}},
    {u"image/png"_s, {}},
    {u"x-scheme-handler/http"_s, {}},
};
const QStringList kTargets {u".pdf"_s,  u".txt"_s, u".c"_s,   u".cpp"_s, u".md"_s,
                            u".yaml"_s, u".py"_s,  u".png"_s, u"http:"_s};
// "kde-viewer" lives in a subfolder (kde/viewer.desktop); "ghost" is never installed.
const QStringList kApps {u"alpha"_s, u"beta"_s, u"gamma"_s, u"delta"_s, u"epsilon"_s, u"kde-viewer"_s};
const QStringList kDesktopNames {u"GNOME"_s,          u"ubuntu"_s,     u"KDE"_s,   u"X-Cinnamon"_s,
                                 u"Budgie Desktop"_s, u"kde.plasma"_s, u"Unity7"_s};

// One generated desktop: its folders and every file written, for the report of a failure.
class Desktop final
{
public:
    Desktop(const QString& root, quint64 seed)
        : m_root(root)
        , m_random(seed)
    {
        QDir(m_root).removeRecursively();
        const int configDirs = 1 + m_random.bounded(2);
        const int dataDirs = 1 + m_random.bounded(2);
        for (int i = 0; i < configDirs; ++i)
            m_configDirs.append(m_root + u"/etc"_s + QString::number(i));
        for (int i = 0; i < dataDirs; ++i)
            m_dataDirs.append(m_root + u"/share"_s + QString::number(i));
        QStringList desktops;
        for (const QString& name : kDesktopNames) {
            if (chance(0.3))
                desktops.append(name);
        }
        std::shuffle(desktops.begin(), desktops.end(), m_random);
        m_desktops = desktops.join(u':');

        QDir().mkpath(m_dataDirs.first());
        QFile::link(u"/usr/share/mime"_s, m_dataDirs.first() + u"/mime"_s);
        const QStringList appFolders = applicationFolders();
        for (const QString& folder : appFolders) {
            QDir().mkpath(folder);
            for (const QString& id : kApps) {
                if (chance(0.35))
                    writeApp(folder, id);
            }
        }
        QStringList listFolders {configHome()};
        listFolders += m_configDirs;
        listFolders += appFolders;
        for (const QString& folder : listFolders) {
            for (const QString& name : kDesktopNames) {
                if (chance(0.2))
                    writeList(folder + u'/' + name.toLower() + u"-mimeapps.list"_s);
            }
            if (chance(0.6))
                writeList(folder + u"/mimeapps.list"_s);
            if (appFolders.contains(folder) && chance(0.25))
                writeList(folder + u"/defaults.list"_s);
        }
        for (const QString& folder : appFolders) {
            if (QProcess::execute(u"update-desktop-database"_s, {u"-q"_s, folder}) != 0)
                m_files += u"(update-desktop-database failed)\n"_s;
        }
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env;
        env.insert(u"PATH"_s, qEnvironmentVariable("PATH"));
        env.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
        env.insert(u"HOME"_s, home());
        env.insert(u"XDG_CONFIG_HOME"_s, configHome());
        env.insert(u"XDG_DATA_HOME"_s, home() + u"/.local/share"_s);
        env.insert(u"XDG_CACHE_HOME"_s, home() + u"/.cache"_s);
        env.insert(u"XDG_CONFIG_DIRS"_s, m_configDirs.join(u':'));
        env.insert(u"XDG_DATA_DIRS"_s, m_dataDirs.join(u':'));
        env.insert(u"XDG_CURRENT_DESKTOP"_s, m_desktops);
        env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, u"disabled:"_s);
        env.insert(u"GIO_USE_VFS"_s, u"local"_s);
        // A sanitized probe reads its suppressions (GLib's own leaks) as the test does.
        for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"}) {
            if (qEnvironmentVariableIsSet(name))
                env.insert(QString::fromLatin1(name), qEnvironmentVariable(name));
        }
        return env;
    }

    QString report() const { return u"XDG_CURRENT_DESKTOP="_s + m_desktops + u'\n' + m_files; }

    // The user's lists the system reads: one for each desktop name it accepts, then mimeapps.list.
    QStringList userLists() const
    {
        static const QRegularExpression valid(u"^[A-Za-z0-9_-]+$"_s);
        QStringList lists;
        for (const QString& name : m_desktops.split(u':', Qt::SkipEmptyParts)) {
            if (valid.match(name).hasMatch())
                lists.append(configHome() + u'/' + name.toLower() + u"-mimeapps.list"_s);
        }
        return lists << configHome() + u"/mimeapps.list"_s;
    }

private:
    QString home() const { return m_root + u"/home"_s; }
    QString configHome() const { return home() + u"/.config"_s; }
    QStringList applicationFolders() const
    {
        QStringList folders {home() + u"/.local/share/applications"_s};
        for (const QString& dir : m_dataDirs)
            folders.append(dir + u"/applications"_s);
        return folders;
    }

    bool chance(double p) { return m_random.generateDouble() < p; }
    template<typename T> const T& pick(const QList<T>& list) { return list[m_random.bounded(int(list.size()))]; }

    // A type as a list or an entry may write it: itself or one of its aliases.
    QString typeName()
    {
        const Type& type = pick(kTypes);
        return !type.aliases.isEmpty() && chance(0.3) ? pick(type.aliases) : type.name;
    }

    void write(const QString& path, const QString& text)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(text.toUtf8());
        m_files += u"== "_s + path.mid(m_root.size()) + u" ==\n"_s + text;
    }

    void writeApp(const QString& folder, const QString& id)
    {
        const QString path = folder + u'/' + (id == u"kde-viewer"_s ? u"kde/viewer"_s : id) + u".desktop"_s;
        QStringList types;
        for (int n = 1 + m_random.bounded(3); n > 0; --n)
            types.append(typeName());
        QString text = u"[Desktop Entry]\n"_s;
        const double kind = m_random.generateDouble();
        if (kind < 0.08) { // a bare override that hides the entry
            write(path, text + u"Hidden=true\n"_s);
            return;
        }
        text += u"Type=Application\nName="_s + id + u" in "_s + QFileInfo(folder).path().mid(m_root.size()) + u'\n';
        if (kind < 0.16)
            text += u"Hidden=true\nExec=true %U\n"_s;
        else if (kind < 0.24)
            text += u"Exec=openwright-no-such-program %U\n"_s;
        else if (kind < 0.30)
            text += u"TryExec=/nonexistent/program\nExec=true %U\n"_s;
        else if (kind >= 0.36) // else no Exec at all
            text += u"Exec=true %U\n"_s;
        write(path, text + u"MimeType="_s + types.join(u';') + u";\n"_s);
    }

    QString ids()
    {
        QStringList list;
        for (int n = 1 + m_random.bounded(3); n > 0; --n)
            list.append((chance(0.15) ? u"ghost"_s : pick(kApps)) + u".desktop"_s);
        return list.join(u';') + (chance(0.5) ? u";"_s : QString());
    }

    void writeList(const QString& path)
    {
        static const QStringList kGroups {u"Default Applications"_s, u"Added Associations"_s,
                                          u"Removed Associations"_s};
        QString text = chance(0.04) ? u"a line before any group\n"_s : QString();
        QStringList lastAdded;
        for (int g = 1 + m_random.bounded(3); g > 0; --g) {
            const QString& group = pick(kGroups);
            text += u'[' + group + u"]\n"_s;
            QStringList lines;
            for (int n = 1 + m_random.bounded(4); n > 0; --n)
                lines.append(typeName() + u'=' + ids());
            // The same entry under Added and Removed Associations of one list.
            if (group == kGroups[2] && !lastAdded.isEmpty() && chance(0.5))
                lines.append(pick(lastAdded));
            // A key repeated within the group.
            if (chance(0.2))
                lines.append(lines.first().section(u'=', 0, 0) + u'=' + ids());
            if (group == kGroups[1])
                lastAdded = lines;
            text += lines.join(u'\n') + u'\n';
        }
        write(path, text);
    }

    QString m_root;
    QRandomGenerator64 m_random;
    QStringList m_configDirs;
    QStringList m_dataDirs;
    QString m_desktops;
    QString m_files;
};

struct Outcome
{
    int index = 0;
    int checks = 0;
    QString failures; // empty when everything agreed
};

// Every file of the user's configuration folder, by path.
QHash<QString, QByteArray> userFiles(const QString& folder)
{
    QHash<QString, QByteArray> files;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files)) {
        QFile file(info.filePath());
        if (file.open(QIODevice::ReadOnly))
            files.insert(info.filePath(), file.readAll());
    }
    return files;
}

// Resets .pdf and checks that only the user's lines for PDF (under its aliases too) went, and
// all of them: none of the lists still chooses for it, and every other line stays.
QString resetPdf(const Desktop& desktop, const QString& configHome)
{
    const QStringList lists = desktop.userLists();
    static const QList<QByteArray> kPdfKeys {"application/pdf=", "application/x-pdf=", "image/pdf="};
    const auto isPdf = [](const QByteArray& line) {
        return std::any_of(kPdfKeys.cbegin(), kPdfKeys.cend(), [&](const QByteArray& k) { return line.startsWith(k); });
    };
    const QHash<QString, QByteArray> before = userFiles(configHome);
    QProcess probe;
    probe.setProcessEnvironment(desktop.environment());
    probe.start(QStringLiteral(OPENWRIGHT_DECISION_PROBE), {u"--reset"_s, u".pdf"_s});
    if (!probe.waitForFinished(30'000) || probe.exitCode() != 0)
        return u"the reset failed: "_s + QString::fromUtf8(probe.readAllStandardError());
    const QHash<QString, QByteArray> after = userFiles(configHome);
    // Each line with its group; GKeyFile writes groups and lines as read, merging repeated groups.
    const auto grouped = [](const QByteArray& text) {
        QList<std::pair<QByteArray, QByteArray>> lines;
        QByteArray group;
        for (const QByteArray& line : text.split('\n')) {
            if (line.startsWith('['))
                group = line;
            else if (!line.trimmed().isEmpty() && !line.startsWith('#'))
                lines.append({group, line});
        }
        return lines;
    };
    QString failures;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        // A list the system cannot read is kept aside whole, not edited.
        if (!it->startsWith('['))
            continue;
        const auto now = grouped(after.value(it.key()));
        for (const auto& [group, line] : grouped(*it)) {
            const bool ours = isPdf(line) && lists.contains(it.key())
                && (group == "[Default Applications]" || (group == "[Added Associations]" && it.key() == lists.last()));
            const bool kept = now.contains(std::pair(group, line));
            if (kept == ours)
                failures += u"  reset "_s + (ours ? u"kept "_s : u"lost "_s) + QString::fromUtf8(line) + u" in "_s
                    + it.key() + u'\n';
        }
    }
    return failures;
}

Outcome check(const QString& root, quint64 seed, int index)
{
    const Desktop desktop(root + u"/desktop-"_s + QString::number(index), seed + quint64(index));
    Outcome outcome {index, 0, {}};
    // Every third desktop is checked after a reset of .pdf: the system's own choice stands.
    if (index % 3 == 2)
        outcome.failures = resetPdf(desktop, desktop.environment().value(u"XDG_CONFIG_HOME"_s));
    // Every fifth desktop: the kept defaults' stamp is the same in two processes, or a start
    // would never trust what it kept.
    if (index % 5 == 0) {
        QStringList stamps;
        for (int run = 0; run < 2; ++run) {
            QProcess stamp;
            stamp.setProcessEnvironment(desktop.environment());
            stamp.start(QStringLiteral(OPENWRIGHT_DECISION_PROBE), {u"--stamp"_s});
            stamp.waitForFinished(30'000);
            stamps.append(QString::fromLatin1(stamp.readAllStandardOutput()).trimmed());
        }
        if (stamps[0].isEmpty() || stamps[0] != stamps[1])
            outcome.failures += u"  the stamp differs between two processes: "_s + stamps.join(u" / "_s) + u'\n';
    }
    QProcess probe;
    probe.setProcessEnvironment(desktop.environment());
    probe.start(QStringLiteral(OPENWRIGHT_DECISION_PROBE), kTargets);
    if (!probe.waitForFinished(30'000) || probe.exitCode() != 0) {
        outcome.failures += u"the probe failed: "_s + QString::fromUtf8(probe.readAllStandardError());
        return outcome;
    }
    for (QString line : QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.split(u'\t');
        if (f.size() == 2)
            continue; // a type the MIME database does not know
        ++outcome.checks;
        // Where the answer comes from, as status says it, is where "why" finds the deciding line;
        // nothing opens it exactly when GIO names nothing.
        if (f.size() != 8 || f[1] != f[2] || f[1] != f[3] || f[4] != u"agrees"_s || f[6] != f[7]
            || (f[1].isEmpty() != (f[6] == u"notSet"_s)))
            outcome.failures += u"  "_s + line.replace(root, u"…"_s) + u'\n';
    }
    // Every fourth desktop, every type of the All Types list: its app is GIO's, and nothing
    // opens it exactly when it says "Not set".
    if (index % 4 == 1) {
        QProcess all;
        all.setProcessEnvironment(desktop.environment());
        all.start(QStringLiteral(OPENWRIGHT_DECISION_PROBE), {u"--all-types"_s});
        if (!all.waitForFinished(60'000) || all.exitCode() != 0) {
            outcome.failures += u"the probe of every type failed: "_s + QString::fromUtf8(all.readAllStandardError());
            return outcome;
        }
        for (QString line : QString::fromUtf8(all.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList f = line.split(u'\t');
            ++outcome.checks;
            if (f.size() != 4 || f[1] != f[2] || f[2].isEmpty() != (f[3] == u"notSet"_s))
                outcome.failures += u"  all types: "_s + line.replace(root, u"…"_s) + u'\n';
        }
    }
    if (!outcome.failures.isEmpty()) {
        outcome.failures = u"target, GIO, status, why, agreement, summary, source, why's source:\n"_s + outcome.failures
            + desktop.report().replace(root, u"…"_s);
    }
    return outcome;
}

TEST(DecisionDifferential, StatusAndWhyNameWhatGioOpens)
{
    const quint64 seed = qEnvironmentVariableIsSet("OPENWRIGHT_DIFFERENTIAL_SEED")
        ? qEnvironmentVariable("OPENWRIGHT_DIFFERENTIAL_SEED").toULongLong()
        : 20261206;
    const int count = qEnvironmentVariableIsSet("OPENWRIGHT_DIFFERENTIAL_COUNT")
        ? qEnvironmentVariableIntValue("OPENWRIGHT_DIFFERENTIAL_COUNT")
        : 300;
    const QString root = Sandbox::instance().root() + u"/generated"_s;
    QList<int> indexes(count);
    std::iota(indexes.begin(), indexes.end(), 0);
    const QList<Outcome> outcomes
        = QtConcurrent::blockingMapped(indexes, [&](int index) { return check(root, seed, index); });

    int checks = 0;
    int failed = 0;
    for (const Outcome& o : outcomes) {
        checks += o.checks;
        if (o.failures.isEmpty())
            continue;
        // The first few in full; the count says how many more.
        if (++failed <= 3) {
            ADD_FAILURE() << "desktop " << o.index << " of seed " << seed << " (OPENWRIGHT_DIFFERENTIAL_SEED=" << seed
                          << "):\n"
                          << o.failures.toStdString();
        }
    }
    EXPECT_EQ(failed, 0) << "desktops that disagree, of " << count << ", seed " << seed;
    EXPECT_GT(checks, count * 8) << "too few types checked";
}

} // namespace
