// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DecisionChain.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <iterator>

// The mimeapps.list files, mimeinfo.cache files and applications folders as GIO's lookup reads
// them, for the rules of the programs that read the same files their own way.
namespace openwright::gio {

// One key of one group: a type and the desktop-file IDs given for it.
struct Entry
{
    QString type; // as written
    QString canonical;
    QStringList ids;
    int line = 0;
};

struct List
{
    QString path;
    DecisionStep::Presence presence = DecisionStep::Presence::Missing;
    bool userOwn = false;
    QList<Entry> defaults;
    QList<Entry> added;
    QList<Entry> removed;
};

// A path as GLib joins a folder and a name (g_build_filename).
QString joinedPath(const QString& dir, const QString& name);

// Every desktop-file ID in an applications folder, as GIO names them, and its file. The file of
// an entry directly in the folder is made from the folder and the ID when asked for, not kept:
// at 10,000 entries that is 1.7 MB less for as long as the folders are kept.
class AppFiles
{
    using Map = QHash<QString, QString>;

public:
    class const_iterator
    {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = QString;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = QString;

        const_iterator() = default;
        const_iterator(Map::const_iterator it, const QString& dir) : m_it(it), m_dir(dir) {}
        const QString& key() const { return m_it.key(); }
        QString value() const { return m_it->isNull() ? joinedPath(m_dir, m_it.key()) : *m_it; }
        QString operator*() const { return value(); }
        // The entry's file name, without making its path.
        QString fileName() const { return m_it->isNull() ? m_it.key() : m_it->mid(m_it->lastIndexOf(u'/') + 1); }
        const_iterator& operator++()
        {
            ++m_it;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator was = *this;
            ++m_it;
            return was;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) { return a.m_it == b.m_it; }

    private:
        Map::const_iterator m_it;
        QString m_dir; // shared, not pointed to: a moved folder leaves no iterator dangling
    };

    void setDir(const QString& dir) { m_dir = dir; }
    void insert(const QString& id, const QString& path) { m_files.insert(id, path); }
    // An entry directly in the folder, its file named by the ID.
    void insertDirect(const QString& id) { m_files.insert(id, QString()); }
    bool contains(const QString& id) const { return m_files.contains(id); }
    // The file of `id`, or an empty text when the folder has no such entry.
    QString value(const QString& id) const
    {
        const auto it = constFind(id);
        return it == cend() ? QString() : it.value();
    }
    const_iterator constFind(const QString& id) const { return {m_files.constFind(id), m_dir}; }
    // The ID of the entry whose file is `path`; empty when the folder has none.
    QString idOf(const QString& path) const
    {
        const QString name = path.mid(path.lastIndexOf(u'/') + 1);
        if (const auto it = m_files.constFind(name); it != m_files.cend() && it->isNull() && joinedPath(m_dir, name) == path)
            return name;
        for (auto it = m_files.cbegin(); it != m_files.cend(); ++it) {
            if (!it->isNull() && *it == path)
                return it.key();
        }
        return {};
    }
    const_iterator cbegin() const { return {m_files.cbegin(), m_dir}; }
    const_iterator cend() const { return {m_files.cend(), m_dir}; }
    const_iterator begin() const { return cbegin(); }
    const_iterator end() const { return cend(); }

private:
    QString m_dir;
    Map m_files;
};

// A folder the system reads lists from: a configuration folder, or an applications folder with
// its desktop entries and their mimeinfo.cache.
struct Folder
{
    QString dir;
    bool applications = false;
    bool user = false;
    QList<List> lists; // in precedence order
    qsizetype plain = -1; // mimeapps.list, the only list that may add or remove associations
    QList<Entry> cache;
    AppFiles apps;
    QStringList read; // every file and folder it was read from, present or not
    QByteArray stamp; // of `read`, each taken before it was read
};

// The folders in GIO's order, with the parent types of the shared MIME database, as last read:
// read again when one of their files or folders changed. Thread-safe.
struct ReadLists
{
    QList<Folder> folders;
    QHash<QString, QStringList> parents;
};
ReadLists keptLists();

// The type an alias stands for, as GIO compares types.
QString unalias(const QString& type);
// The type and its parent types, nearest first, in the order GIO falls back through them.
QStringList typeAndParents(const QString& contentType, const QHash<QString, QStringList>& parents);

} // namespace openwright::gio
