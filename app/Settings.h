// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>

namespace openwright {

// The switches, each defined once with its key, type and default. Stored in
// $XDG_CONFIG_HOME/Openwright/Openwright.conf; a stored value of the wrong type counts as
// missing, so a hand-edited file never breaks start-up. Used on the GUI thread.
class Settings final
{
public:
    template<typename T> struct Key
    {
        const char* name;
        T fallback;
    };
    static constexpr Key<bool> guardEnabled {"guard.enabled", true};
    static constexpr Key<double> guardInterval {"guard.interval", 60.0};
    static constexpr Key<bool> autoBackup {"backup.auto", true};
    static constexpr Key<bool> updateAutomatic {"update.automatic", true};
    // The newest signed release any feed has listed, and its page: an older copy of the feed
    // served later must not hide it.
    static constexpr Key<const char*> updateNewestVersion {"update.newestVersion", ""};
    static constexpr Key<const char*> updateNewestLink {"update.newestLink", ""};
    // Where the main window was, as the window saves it (base64 text in the file).
    static constexpr Key<const char*> windowGeometry {"window.geometry", ""};

    explicit Settings(const QString& path = defaultPath());
    static QString defaultPath();

    bool value(const Key<bool>& key) const;
    double value(const Key<double>& key) const;
    void setValue(const Key<bool>& key, bool value);
    void setValue(const Key<double>& key, double value);
    QByteArray value(const Key<const char*>& key) const;
    void setValue(const Key<const char*>& key, const QByteArray& value);

private:
    mutable QSettings m_settings;
};

} // namespace openwright
