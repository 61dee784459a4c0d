// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace openwright {

// Drawings kept between runs (the symbols rendered from the icon theme) so that the first frame
// need not render them again. The drawings are only as good as the files they were rendered
// from: `sources` names them (the themes' index files), and a change to any of them, or to the
// key the caller gives, discards the file. The bytes are the caller's own encoding. Loads at
// the first find(); save() writes only when something was added. GUI thread only.
class DrawingCache
{
public:
    DrawingCache(QString path, QByteArray key, QStringList sources);

    const QByteArray* find(const QString& name);
    void insert(const QString& name, QByteArray drawing);
    // Atomic; a failure only costs the next start its head start.
    void save();
    bool hasUnsaved() const { return m_unsaved; }

private:
    void load();
    QByteArray stamp() const;

    QString m_path;
    QByteArray m_key;
    QStringList m_sources;
    QByteArray m_stamp; // the sources' as the drawings were loaded
    QHash<QString, QByteArray> m_drawings;
    bool m_loaded = false;
    bool m_unsaved = false;
};

} // namespace openwright
