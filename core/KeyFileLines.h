// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace openwright {

// One "key=value;value;" line of a key file (a mimeapps.list), where it is.
struct KeyFileLine
{
    int number = 0; // 1-based
    QString group;
    QString key;
    // The items as GKeyFile gives them: split at unescaped ';', escapes resolved, not trimmed
    // (" gimp.desktop" keeps its space, and never matches an entry); empty ones dropped.
    QStringList values;
    bool readable = true; // false: a bad escape, which makes GKeyFile give nothing for the key

    friend bool operator==(const KeyFileLine&, const KeyFileLine&) = default;
};

// A line GKeyFile cannot parse (neither a group, a key=value pair nor a comment, or a pair
// before any group): one such line makes the whole file unreadable to the system.
struct KeyFileStray
{
    int number = 0;
    QString text;

    friend bool operator==(const KeyFileStray&, const KeyFileStray&) = default;
};

// Every entry line of the file at `path`, in file order, repeated keys included: what a key-file
// parser hides (which line, and lines it overrides). Lines it cannot parse go to `strays`. Empty
// when the file cannot be read. Any thread.
QList<KeyFileLine> readKeyFileLines(const QString& path, QList<KeyFileStray>* strays = nullptr);
// The same, of a file's text.
QList<KeyFileLine> parseKeyFileLines(const QByteArray& text, QList<KeyFileStray>* strays = nullptr);

} // namespace openwright
