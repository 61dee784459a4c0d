// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChangeResult.h"
#include "LaunchServicing.h"
#include "TargetState.h"

#include <QFuture>
#include <QHash>
#include <QThreadPool>

#include <functional>
#include <memory>

namespace openwright {

// The core's single entry point for reading and changing defaults. Turns the platform's raw
// answers into TargetState records with a clean, ordered candidate list, and every attempted
// change into one ChangeResult decided by reading the default again. Never throws.
// Immutable after construction and safe to share between threads; the reads block on the
// platform, so the model calls them from background work.
class DefaultsService final
{
public:
    using FileExists = std::function<bool(const QUrl&)>;
    using Results = QHash<ChangeRequest, ChangeResult>;

    explicit DefaultsService(std::shared_ptr<LaunchServicing> launchServices, FileExists fileExists = {});
    ~DefaultsService();

    TargetState state(const Target& target) const;
    std::optional<AppInfo> currentDefault(const Target& target) const;
    // Blocks until the platform answers: call it off the GUI thread.
    ChangeResult change(const ChangeRequest& request) const;
    // Runs every request of the batch at once on the service's worker threads. Equal requests
    // collapse into one entry; the one that finishes last wins.
    QFuture<Results> apply(const QList<ChangeRequest>& requests) const;

    static ChangeResult classify(const LaunchError& error, const std::optional<AppInfo>& after, const AppInfo& wanted);

    std::optional<QUrl> locate(const QString& bundleID) const { return m_launchServices->locate(bundleID); }
    // Why the target opens in the application it does; reads the platform, so off the GUI thread.
    DecisionChain explain(const Target& target) const { return m_launchServices->explain(target); }
    bool fileExists(const QUrl& url) const { return m_fileExists(url); }

    // Whether a file exists at the URL's local path (symlinks followed).
    static bool defaultFileExists(const QUrl& url);

private:
    std::shared_ptr<LaunchServicing> m_launchServices;
    FileExists m_fileExists;
    std::unique_ptr<QThreadPool> m_pool;
};

} // namespace openwright
