// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LocalSocket.h"

#include <QLockFile>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace openwright {

// A command handed to the running instance ("openwright pin .pdf" while the window is open):
// its arguments and the caller's working directory, against which relative file names resolve.
struct InstanceRequest
{
    QStringList arguments;
    QString workingDirectory;
    // What the caller read for the command (the file it imports): the instance never opens
    // the caller's paths itself, which may be pipes, FIFOs or the caller's own /dev/fd.
    std::optional<QByteArray> input;
};

// What the command printed and its exit status, for the caller to pass on as its own.
struct InstanceAnswer
{
    QString out;
    QString err;
    int status = 0;
};

// One running Openwright per user: two would overwrite each other's data files. The first
// start takes a lock and listens on a local socket; a later start finds the lock, asks the
// first to show itself, and should then exit. A command-line process that changes data takes
// the same lock without listening, or hands its command to the running instance over the
// socket. Works without a session bus. GUI thread only.
//
// The socket speaks two exchanges, each a line and its answer line:
//   "activate"   -> "ok"                        (a second start; kept from the first version)
//   "activate TOKEN" -> "ok"                    (a second start given an activation token)
//   "hello 1"    -> "hello 1" | "unsupported"   (then, only after "hello 1":)
//   "request N" + N bytes of JSON {"arguments", "workingDirectory", "input" (base64, optional)}
//                -> "answer N" + N bytes of JSON {"err", "out", "status"}
// A request is sent only once the instance has answered the greeting, so an instance that is
// stuck never receives a command it might carry out after the caller gave up.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    // What a command-line process found: the lock (it runs the command itself), the running
    // instance (it sends the command there), or neither in time (another command holds the
    // lock and has no socket).
    enum class Found
    {
        Locked,
        Running,
        Busy,
        Unavailable // the lock cannot be had at all; problem() says why
    };
    using Reply = std::function<void(const InstanceAnswer&)>;
    // Called on the GUI thread for each request; calls `reply` once, possibly later.
    using RequestHandler = std::function<void(const InstanceRequest&, Reply reply)>;

    static constexpr int kProtocolVersion = 1;
    // A request carries at most a profiles file (Json::kMaxDocumentBytes) in base64.
    static constexpr qsizetype kMaxRequestBytes = 48 * 1024 * 1024;
    static constexpr qsizetype kMaxAnswerBytes = 16 * 1024 * 1024;
    // How long a start or a command waits while another command holds the lock. Commands take
    // well under a second; this only has to outlast a slow one.
    static constexpr int kLockWaitMs = 10'000;
    // How long the running instance has to answer the greeting.
    static constexpr int kGreetingTimeoutMs = 3'000;

    // `folder` holds the lock and the socket: $XDG_RUNTIME_DIR by default.
    explicit SingleInstance(const QString& folder = defaultFolder(), QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString defaultFolder();

    // True when this process is the one instance. Otherwise hands over to the running one
    // (waiting at most `timeoutMs` for it to answer) and returns false. While a command holds
    // the lock, waits for it to finish (kLockWaitMs at most) and then starts as usual. When it
    // returns false and problem() is not empty, nothing was handed over and this process
    // cannot run.
    bool claim(int timeoutMs = 3000);
    // What a later start sends to show the window: "activate", with `token` when there is one
    // that fits the line.
    static QByteArray activationLine(const QString& token);
    // Why the last claim or lockOrFindRunning() could not go ahead, or why this instance
    // cannot be reached by later starts; a sentence for the user, empty when all is well.
    const QString& problem() const { return m_problem; }
    const QString& socketPath() const { return m_socketPath; }

    // For a command-line process: takes the lock without listening, or connects to the running
    // instance, whichever comes first; waits up to `waitMs` while neither is possible.
    Found lockOrFindRunning(int waitMs = kLockWaitMs);
    // Carries out `request` in the instance found by lockOrFindRunning() and returns its answer;
    // nothing, with `error` set to a sentence for the user, when it cannot or does not answer.
    std::optional<InstanceAnswer> send(const InstanceRequest& request, QString* error, int answerTimeoutMs = 120'000);
    // After a send() without an answer: the instance closed the connection (it ended) rather
    // than taking too long.
    bool instanceWentAway() const { return m_wentAway; }

    // Makes this instance carry out requests; without a handler it answers "unsupported".
    void setRequestHandler(RequestHandler handler) { m_handler = std::move(handler); }

Q_SIGNALS:
    // A later start asked this instance to show its main window. `token` is the activation
    // token that start was given (XDG_ACTIVATION_TOKEN, on Wayland), empty when none: without
    // it a Wayland compositor may refuse to raise the window.
    void activationRequested(const QString& token);

private:
    void listen();
    void accept(LocalSocket* client);
    // A lock whose owner cannot be read (empty, unreadable), left long enough that no live
    // process is still writing it: a crash between creating and writing, or a full folder.
    bool isAbandoned(QLockFile& lock) const;
    QString lockProblem() const;
    std::optional<QString> lockFileProblem() const;

    QString m_lockPath;
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<LocalSocket> m_running; // the connection lockOrFindRunning() found
    LocalServer m_server;
    RequestHandler m_handler;
    // Requests announced and not yet read whole, and the bytes they may still bring.
    bool m_wentAway = false;
    int m_unfinished = 0;
    qsizetype m_reserved = 0;
    QString m_problem;
};

} // namespace openwright
