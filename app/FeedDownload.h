// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

#include <chrono>

namespace openwright {

// What one download of the update feed came to.
struct FeedResponse
{
    enum class Failure
    {
        none,
        tooLarge, // more than the download allowed
        timedOut,
        badRedirect, // too many, or to a less safe address
        other // errorText says what
    };
    Failure failure = Failure::none;
    int httpStatus = 0; // 0 when no HTTP answer came
    QByteArray body;
    QString errorText;
};

// One download of the update feed, started by start(). Qt Network does it, in a library of its
// own: a build without an update feed links the one that cannot download, so the window loads
// no network library.
class FeedDownload : public QObject
{
    Q_OBJECT

public:
    struct Request
    {
        QUrl url;
        QString userAgent;
        std::chrono::milliseconds timeout;
        qint64 maxBytes = 0;
        int maxRedirects = 0;
    };

    // False in a build that cannot download.
    static bool isSupported();
    // The download, under way; nullptr where downloads are not supported. finished() comes once.
    static FeedDownload* start(const Request& request, QObject* parent);

    // Stops the download without finished().
    virtual void abort() = 0;

Q_SIGNALS:
    void finished(const openwright::FeedResponse& response);

protected:
    using QObject::QObject;
};

} // namespace openwright
