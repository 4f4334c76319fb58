// DownloadImage against a small HTTP server on 127.0.0.1 run by the test
// itself, in the same thread: the download's own event loop serves it.

#include "utils/KestUtils.h"

#include "framework/Exception.h"
#include "framework/Stream.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>
#include <memory>

using U = TKestUtils;

namespace {

const QByteArray PngHead("\x89PNG\r\n\x1A\n", 8);

// Answers by path: /ok a small PNG, /missing 404, /slow never, /big 4 KB.
class TLocalHttpServer {
public:
    TLocalHttpServer()
    {
        FServer.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&FServer, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = FServer.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] { Answer(*socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    QString Url(const char* path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(FServer.serverPort()).arg(path); }

private:
    static void Answer(QTcpSocket& socket)
    {
        QByteArray request = socket.readAll();
        QByteArray path = request.split(' ').value(1);
        if (path == "/slow")
            return;
        QByteArray status = "200 OK", body;
        if (path == "/ok")
            body = PngHead + "rest";
        else if (path == "/big")
            body = QByteArray(4096, 'x');
        else
            status = "404 Not Found";
        socket.write("HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
                     "\r\nConnection: close\r\n\r\n" + body);
        socket.disconnectFromHost();
    }

    QTcpServer FServer;
};

TEST(UtilsDownload, FetchesTheBytes)
{
    TLocalHttpServer server;
    std::unique_ptr<TMemoryStream> stream = U::DownloadImage(server.Url("/ok"), 5000, 1024);
    EXPECT_EQ(stream->Bytes(), PngHead + "rest");
    EXPECT_EQ(stream->Position(), 0);
    EXPECT_EQ(U::GetImageType(*stream), QString(".png"));
}

TEST(UtilsDownload, FailuresRaise)
{
    TLocalHttpServer server;
    struct TCase {
        QString url;
        int timeoutMs;
        qint64 cap;
        const char* why;
    };
    const TCase cases[] = {
        {server.Url("/missing"), 5000, 1024, "HTTP status 404"},
        {server.Url("/slow"), 300, 1024, "time-out"},
        {server.Url("/big"), 5000, 1024, "more than 1024 bytes"},
        {"not a url", 5000, 1024, "invalid address"},
    };
    for (const auto& c : cases) {
        try {
            U::DownloadImage(c.url, c.timeoutMs, c.cap);
            ADD_FAILURE() << c.why;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Download of %1 failed: %2").arg(c.url, QString::fromUtf8(c.why)));
        }
    }
    // Exactly at the cap is fine.
    EXPECT_EQ(U::DownloadImage(server.Url("/big"), 5000, 4096)->Size(), 4096);
}

}
