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

std::unique_ptr<TMemoryStream> TKestUtils::DownloadImage(const QString& AURL)
{
    return DownloadImage(AURL, DownloadTimeoutMs, DownloadMaxBytes);
}

std::unique_ptr<TMemoryStream> TKestUtils::DownloadImage(const QString& AURL, int ATimeoutMs, qint64 AMaxBytes)
{
    QUrl url(AURL);
    if (!url.isValid() || url.scheme().isEmpty())
        DownloadFailed(AURL, QStringLiteral("invalid address"));
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
        data.append(reply->read(AMaxBytes + 1 - data.size()));
        if (data.size() > AMaxBytes)
            fail(QStringLiteral("more than %1 bytes").arg(AMaxBytes));
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(ATimeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();
    if (!failure.isEmpty())
        DownloadFailed(AURL, failure);
    int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400)
        DownloadFailed(AURL, QStringLiteral("HTTP status %1").arg(status));
    if (reply->error() != QNetworkReply::NoError)
        DownloadFailed(AURL, reply->errorString());
    data.append(reply->read(AMaxBytes + 1 - data.size()));
    if (data.size() > AMaxBytes)
        DownloadFailed(AURL, QStringLiteral("more than %1 bytes").arg(AMaxBytes));
    auto stream = std::make_unique<TMemoryStream>(data);
    stream->SetPosition(0);
    return stream;
}
