// SPDX-License-Identifier: GPL-3.0-or-later
#include "DefaultsService.h"

#include "PlatformText.h"

#include <QCollator>
#include <QFileInfo>
#include <QMutex>
#include <QPromise>
#include <QSet>

#include <algorithm>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {

// Cocoa's codes, kept so a macOS back end classifies exactly as before.
constexpr auto kCocoaDomain = "NSCocoaErrorDomain";
constexpr int kCocoaNoSuchFile = 4;
constexpr int kCocoaFileReadNoSuchFile = 260;
constexpr int kCocoaUserCancelled = 256;

// Enough threads that a profile's whole batch is in flight at once.
constexpr int kMaxConcurrentChanges = 64;

const QCollator& nameCollator()
{
    // QCollator is not safe to share between threads; one per thread, made on first use.
    thread_local const QCollator collator = [] {
        QCollator c {QLocale()};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

} // namespace

DefaultsService::DefaultsService(std::shared_ptr<LaunchServicing> launchServices, FileExists fileExists)
    : m_launchServices(std::move(launchServices))
    , m_fileExists(fileExists ? std::move(fileExists) : FileExists(&DefaultsService::defaultFileExists))
    , m_pool(std::make_unique<QThreadPool>())
{
    m_pool->setMaxThreadCount(kMaxConcurrentChanges);
    m_pool->setExpiryTimeout(30'000);
}

DefaultsService::~DefaultsService()
{
    m_pool->waitForDone();
}

bool DefaultsService::defaultFileExists(const QUrl& url)
{
    return url.isLocalFile() && QFileInfo::exists(url.toLocalFile());
}

std::optional<AppInfo> DefaultsService::currentDefault(const Target& target) const
{
    if (const auto url = m_launchServices->defaultApp(target))
        return m_launchServices->appInfo(*url);
    return std::nullopt;
}

TargetState DefaultsService::state(const Target& target) const
{
    TargetState state {target, currentDefault(target), {}};
    const QList<QUrl> urls = m_launchServices->candidateApps(target);
    QSet<QString> seen;
    seen.reserve(urls.size());
    for (const QUrl& url : urls) {
        AppInfo app = m_launchServices->appInfo(url);
        // Identities and paths share one set of keys.
        const QString key = app.bundleID ? *app.bundleID : pathOf(app.url);
        if (seen.contains(key))
            continue;
        seen.insert(key);
        state.candidates.append(std::move(app));
    }
    const QCollator& collator = nameCollator();
    std::stable_sort(state.candidates.begin(), state.candidates.end(),
                     [&](const AppInfo& a, const AppInfo& b) { return collator.compare(a.name, b.name) < 0; });
    return state;
}

ChangeResult DefaultsService::change(const ChangeRequest& request) const
{
    if (!m_fileExists(request.app))
        return ChangeResult::appMissing();
    const AppInfo wanted = m_launchServices->appInfo(request.app);
    if (wanted.isSameApp(currentDefault(request.target)))
        return ChangeResult::alreadyDefault();
    try {
        m_launchServices->setDefaultApp(request.app, request.target);
    } catch (const LaunchError& error) {
        return classify(error, currentDefault(request.target), wanted);
    } catch (...) {
        // A back end must only raise LaunchError; anything else is still a failure, not a crash.
        return ChangeResult::failed(u"The change could not be made"_s);
    }
    return wanted.isSameApp(currentDefault(request.target)) ? ChangeResult::changed() : ChangeResult::declined();
}

ChangeResult DefaultsService::classify(const LaunchError& error, const std::optional<AppInfo>& after,
                                       const AppInfo& wanted)
{
    if (after && wanted.isSameApp(after))
        return ChangeResult::changed();
    if (error.isUnknownType())
        return ChangeResult::failed(platformText(PlatformText::UnknownTypePrefix) + error.extension() + u" files"_s);
    if (error.domain() == QLatin1StringView(kCocoaDomain)) {
        if (error.code() == kCocoaNoSuchFile || error.code() == kCocoaFileReadNoSuchFile)
            return ChangeResult::appMissing();
        if (error.code() == kCocoaUserCancelled)
            return ChangeResult::declined();
    }
    switch (error.meaning()) {
    case LaunchError::Meaning::appMissing: return ChangeResult::appMissing();
    case LaunchError::Meaning::refused: return ChangeResult::declined();
    case LaunchError::Meaning::other: break;
    }
    return ChangeResult::failed(error.message());
}

QFuture<DefaultsService::Results> DefaultsService::apply(const QList<ChangeRequest>& requests) const
{
    struct Batch
    {
        QPromise<Results> promise;
        QMutex mutex;
        Results results;
        qsizetype remaining = 0;
    };
    auto batch = std::make_shared<Batch>();
    QFuture<Results> future = batch->promise.future();
    batch->promise.start();
    if (requests.isEmpty()) {
        batch->promise.addResult(Results());
        batch->promise.finish();
        return future;
    }
    batch->remaining = requests.size();
    for (const ChangeRequest& request : requests) {
        m_pool->start([this, batch, request] {
            const ChangeResult result = change(request);
            QMutexLocker lock(&batch->mutex);
            batch->results.insert(request, result);
            if (--batch->remaining == 0) {
                batch->promise.addResult(batch->results);
                batch->promise.finish();
            }
        });
    }
    return future;
}

} // namespace openwright
