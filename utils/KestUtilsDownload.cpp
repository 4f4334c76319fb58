#include "utils/KestUtils.h"

#include "framework/Exception.h"
#include "framework/Stream.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace {

[[noreturn]] void DownloadFailed(const QString& url, const QString& why)
{
    throw Exception(Exception::Format(QStringLiteral("Download of %s failed: %s"), url, why));
}

}

std::unique_ptr<TMemoryStream> TKestUtils::DownloadImage(const QString& url)
{
    return DownloadImage(url, DownloadTimeoutMs, DownloadMaxBytes);
}

std::unique_ptr<TMemoryStream> TKestUtils::DownloadImage(const QString& address, int timeoutMs, qint64 maxBytes)
{
    QUrl url(address);
    if (!url.isValid() || url.scheme().isEmpty())
        DownloadFailed(address, QStringLiteral("invalid address"));
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));

    QByteArray data;
    QString failure;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    auto fail = [&](const QString& why) {
        if (failure.isEmpty())
            failure = why;
        reply->abort();
        loop.quit();
    };
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] { fail(QStringLiteral("time-out")); });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
        // Read as it arrives, so the cap holds whatever the server claims.
        data.append(reply->read(maxBytes + 1 - data.size()));
        if (data.size() > maxBytes)
            fail(QStringLiteral("more than %1 bytes").arg(maxBytes));
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();
    if (!failure.isEmpty())
        DownloadFailed(address, failure);
    int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400)
        DownloadFailed(address, QStringLiteral("HTTP status %1").arg(status));
    if (reply->error() != QNetworkReply::NoError)
        DownloadFailed(address, reply->errorString());
    data.append(reply->read(maxBytes + 1 - data.size()));
    if (data.size() > maxBytes)
        DownloadFailed(address, QStringLiteral("more than %1 bytes").arg(maxBytes));
    auto stream = std::make_unique<TMemoryStream>(data);
    stream->SetPosition(0);
    return stream;
}
