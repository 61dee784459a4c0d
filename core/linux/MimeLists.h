// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DecisionChain.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

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
    QHash<QString, QString> apps; // every desktop-file ID in the folder, as GIO names them, and its file
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
