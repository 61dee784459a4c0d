// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

#include <memory>

namespace openwright {

// One running Openwright per user: two would overwrite each other's data files. The first
// start takes a lock and listens on a local socket; a later start finds the lock, asks the
// first to show itself, and should then exit. Works without a session bus. GUI thread only.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    // `folder` holds the lock and the socket: $XDG_RUNTIME_DIR by default.
    explicit SingleInstance(const QString& folder = defaultFolder(), QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString defaultFolder();

    // True when this process is the one instance. Otherwise hands over to the running one
    // (waiting at most `timeoutMs` for it to answer) and returns false.
    bool claim(int timeoutMs = 3000);

Q_SIGNALS:
    // A later start asked this instance to show its main window.
    void activationRequested();

private:
    void listen();

    QString m_lockPath;
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};

} // namespace openwright
