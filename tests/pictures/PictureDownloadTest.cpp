#include "Fixtures.h"

#include "pictures/HTMLPicture.h"

#include <QTcpServer>
#include <QTest>
#include <QTcpSocket>
#include <gtest/gtest.h>

#include "support/QtPrinters.h"

namespace {

// A web server on 127.0.0.1 answering every request with one reply.
class TLocalServer {
public:
    TLocalServer(QByteArray status, QByteArray body) : FStatus(std::move(status)), FBody(std::move(body))
    {
        FServer.listen(QHostAddress::LocalHost);
        QObject::connect(&FServer, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = FServer.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (!socket->readAll().contains("\r\n\r\n"))
                        return;
                    socket->write("HTTP/1.0 " + FStatus + "\r\nContent-Length: " + QByteArray::number(FBody.size()) +
                                  "\r\nConnection: close\r\n\r\n" + FBody);
                    socket->disconnectFromHost();
                });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QString Url(const char* path) const
    {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(FServer.serverPort()).arg(QLatin1String(path));
    }

private:
    QTcpServer FServer;
    QByteArray FStatus;
    QByteArray FBody;
};

}

TEST(PictureDownload, AUrlIsFetchedOnAWorkerAndLoadedOnTheWindowThread)
{
    TLocalServer server("200 OK", Fixtures::Bytes("anim3.gif"));
    THTMLPicture picture;
    int completed = 0;
    quint32 size = 0;
    picture.OnDownLoadComplete = [&](QObject*) { ++completed; };
    picture.OnDownLoadProgress = [&](QObject*, quint32 got, quint32) { size = got; };
    picture.LoadFromURL(server.Url("anim.gif"));
    EXPECT_TRUE(picture.Busy());
    picture.LoadFromURL(server.Url("other.gif")); // ignored while busy
    ASSERT_TRUE(picture.WaitForDownload(10000));
    EXPECT_EQ(completed, 1);
    EXPECT_EQ(size, quint32(Fixtures::Bytes("anim3.gif").size()));
    EXPECT_EQ(picture.URL(), server.Url("anim.gif"));
    EXPECT_EQ(picture.FrameCount(), 3);
    EXPECT_EQ(picture.Width(), 5);
}

TEST(PictureDownload, FailuresAndCancelsAreReportedAndLoadNothing)
{
    TLocalServer server("404 Not Found", "missing");
    THTMLPicture picture;
    QString error;
    picture.OnDownLoadError = [&](QObject*, const QString& err) { error = err; };
    picture.LoadFromURL(server.Url("none.png"));
    ASSERT_TRUE(picture.WaitForDownload(10000));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(picture.Empty());

    THTMLPicture cancelled;
    cancelled.OnDownLoadCancel = [](QObject*, bool& cancel) { cancel = true; };
    cancelled.LoadFromURL(server.Url("none.png"));
    EXPECT_FALSE(cancelled.Busy());
}

TEST(PictureDownload, APictureDestroyedDuringItsDownloadIsLeftAlone)
{
    TLocalServer server("200 OK", Fixtures::Bytes("red.png"));
    auto picture = std::make_unique<THTMLPicture>();
    bool completed = false;
    picture->OnDownLoadComplete = [&](QObject*) { completed = true; };
    picture->LoadFromURL(server.Url("red.png"));
    picture.reset();
    QTest::qWait(1000); // the server answers, the worker's result finds no picture
    EXPECT_FALSE(completed);
}
