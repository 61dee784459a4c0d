// SPDX-License-Identifier: GPL-3.0-or-later
#include "FeedDownload.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

namespace openwright {

namespace {

class NetworkFeedDownload final : public FeedDownload
{
public:
    NetworkFeedDownload(const Request& request, QObject* parent)
        : FeedDownload(parent)
    {
        QNetworkRequest r(request.url);
        r.setTransferTimeout(int(request.timeout.count()));
        // A feed may move to https, never back; its signatures protect it over plain http.
        r.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        r.setMaximumRedirectsAllowed(request.maxRedirects);
        r.setHeader(QNetworkRequest::UserAgentHeader, request.userAgent);
        m_reply = m_network.get(r);
        connect(m_reply, &QNetworkReply::downloadProgress, this, [this, max = request.maxBytes](qint64 got, qint64 total) {
            if (got > max || total > max) {
                m_tooLarge = true;
                m_reply->abort();
            }
        });
        connect(m_reply, &QNetworkReply::finished, this, &NetworkFeedDownload::finish);
    }
    ~NetworkFeedDownload() override { abort(); }

    void abort() override
    {
        if (!m_reply)
            return;
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }

private:
    void finish()
    {
        QNetworkReply* reply = m_reply;
        m_reply = nullptr;
        reply->deleteLater();
        using Failure = FeedResponse::Failure;
        FeedResponse response;
        response.httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        switch (reply->error()) {
        case QNetworkReply::NoError: response.body = reply->readAll(); break;
        case QNetworkReply::OperationCanceledError:
        case QNetworkReply::TimeoutError: response.failure = Failure::timedOut; break;
        case QNetworkReply::TooManyRedirectsError:
        case QNetworkReply::InsecureRedirectError: response.failure = Failure::badRedirect; break;
        default: response.failure = Failure::other; break;
        }
        if (m_tooLarge)
            response.failure = Failure::tooLarge;
        response.errorText = reply->errorString();
        Q_EMIT finished(response);
    }

    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    bool m_tooLarge = false;
};

} // namespace

bool FeedDownload::isSupported()
{
    return true;
}

FeedDownload* FeedDownload::start(const Request& request, QObject* parent)
{
    return new NetworkFeedDownload(request, parent);
}

} // namespace openwright
