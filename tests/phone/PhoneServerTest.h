#pragma once

#include "CatalogSeed.h"
#include "GrocelleTest.h"

#include "list/ListStatement.h"
#include "list/ViewState.h"
#include "phone/PhoneApi.h"
#include "phone/PhoneListFeed.h"
#include "phone/PhoneServer.h"
#include "phone/PhoneTcpServer.h"
#include "store/access/CAdoConnection.h"
#include "store/journal/Journal.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

// The phone list's web server against real HTTP on 127.0.0.1, on a free port.
class PhoneServerTest : public GrocelleTest
{
protected:
    struct Answer
    {
        int status = 0;
        QByteArray body;
        QJsonObject json() const { return QJsonDocument::fromJson(body).object(); }
    };

    void startOn(const std::vector<SeedItem>& items)
    {
        CatalogSeed::write(items);
        ASSERT_EQ(connection.Open(CatalogSeed::path()), 0);
        server = std::make_unique<PhoneServer>(connection, secret);
        QString reason;
        ASSERT_TRUE(server->start(0, &reason)) << reason.toStdString();
        ASSERT_NE(server->port(), 0);
    }
    void TearDown() override
    {
        server.reset();
        connection.Close();
        GrocelleTest::TearDown();
    }

    QUrl url(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server->port()).arg(path));
    }
    QNetworkRequest requestFor(const QString& path, const QByteArray& key) const
    {
        QNetworkRequest request(url(path));
        if (!key.isNull()) {
            request.setRawHeader(PhoneServer::KeyHeader, key);
        }
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
        return request;
    }
    static Answer wait(QNetworkReply* reply)
    {
        if (!reply->isFinished()) {
            QEventLoop loop;
            QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
            QTimer::singleShot(10000, &loop, &QEventLoop::quit);
            loop.exec();
        }
        Answer answer{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll()};
        reply->deleteLater();
        return answer;
    }
    Answer get(const QString& path, const QByteArray& key) { return wait(network.get(requestFor(path, key))); }
    Answer get(const QString& path) { return get(path, secret); }
    Answer post(const QString& path, const QByteArray& body, const QByteArray& key)
    {
        return wait(network.post(requestFor(path, key), body));
    }
    Answer post(const QString& path, const QByteArray& body) { return post(path, body, secret); }

    // What a raw client gets for bytes written as they stand: the status line
    // and everything after it, until the server answers and goes quiet.
    QByteArray raw(const QByteArray& bytes)
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, server->port());
        if (!socket.waitForConnected(5000)) {
            return {};
        }
        socket.write(bytes);
        QByteArray answer;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000 && socket.state() == QAbstractSocket::ConnectedState) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            if (socket.bytesToWrite() > 0) {
                socket.waitForBytesWritten(20);
            }
            socket.waitForReadyRead(20);
            answer += socket.readAll();
            if (answer.contains("\r\n\r\n") && socket.bytesAvailable() == 0 && !answer.startsWith("HTTP/1.1 100")) {
                break;
            }
        }
        return answer + socket.readAll();
    }
    QByteArray rawGet(const QString& path, const QByteArray& key)
    {
        return raw("GET " + path.toLatin1() + " HTTP/1.1\r\nHost: x\r\n" + PhoneServer::KeyHeader + ": " + key
                   + "\r\nConnection: close\r\n\r\n");
    }

    static QString stored(const QString& column, int id)
    {
        return CatalogSeed::scalar(QStringLiteral("SELECT %1 FROM ShoppingLists WHERE ID = %2").arg(column).arg(id));
    }
    static QString wholeCatalog()
    {
        return CatalogSeed::scalar(QStringLiteral(
            "SELECT group_concat(ID || ':' || ItemName || ':' || QtyToBuy || ':' || Checked, '|') FROM ShoppingLists"));
    }

    const QByteArray secret = QByteArrayLiteral("s3cr3t-s3cr3t-s3cr3t-s3cr3t-s3cr3t-s3cr3t-xy");
    CAdoConnection connection;
    std::unique_ptr<PhoneServer> server;
    QNetworkAccessManager network;
};
