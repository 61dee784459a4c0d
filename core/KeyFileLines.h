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
    QStringList values; // split at ';', blanks dropped

    friend bool operator==(const KeyFileLine&, const KeyFileLine&) = default;
};

// Every entry line of the file at `path`, in file order, repeated keys included: what a key-file
// parser hides (which line, and lines it overrides). Empty when the file cannot be read. Any thread.
QList<KeyFileLine> readKeyFileLines(const QString& path);

} // namespace openwright
