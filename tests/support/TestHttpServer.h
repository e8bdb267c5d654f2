#pragma once

#include "TestHttpMessages.h"

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>

#include <functional>
#include <utility>

class QTcpServer;

// An HTTP/1.1 server on a loopback address for tests and benchmarks. It runs
// on a thread of its own, so it keeps answering while the test's thread waits
// on a client or blocks on a child process. Requests are answered by route
// (host and path), recorded in arrival order, and may be answered in the
// misbehaving ways TestHttpReply offers.
class TestHttpServer
{
public:
    using Handler = std::function<TestHttpReply(const TestHttpRequest &)>;

    // A port of 0 picks a free one.
    explicit TestHttpServer(const QHostAddress &address = QHostAddress::LocalHost, quint16 port = 0);
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer &) = delete;
    TestHttpServer &operator=(const TestHttpServer &) = delete;

    [[nodiscard]] bool isListening() const { return m_port != 0; }
    [[nodiscard]] QHostAddress address() const { return m_address; }
    [[nodiscard]] quint16 port() const { return m_port; }
    // A "host=address:port" entry, as ConnectTo and PELMOR_DEBUG_CONNECT_TO
    // read them, that sends host ("*": every host) to this server.
    [[nodiscard]] QString connectTo(const QString &host = QStringLiteral("*")) const;

    // Answers requests for host (as in the Host header, without port; "*" for
    // any host) and path (without query). Handlers run on the server's thread.
    void route(const QByteArray &host, const QByteArray &path, Handler handler);
    void route(const QByteArray &host, const QByteArray &path, const TestHttpReply &reply);
    // Answers what no route takes; without one such requests get 404.
    void setFallback(Handler handler);

    [[nodiscard]] QList<TestHttpRequest> requests() const;

private:
    TestHttpReply respond(const TestHttpRequest &request);

    QHostAddress m_address;
    quint16 m_port = 0;
    QThread m_thread;
    QTcpServer *m_listener;

    mutable QMutex m_mutex;
    QHash<std::pair<QByteArray, QByteArray>, Handler> m_routes;
    Handler m_fallback;
    QList<TestHttpRequest> m_requests;
};

// A handler that refuses HEAD with 405 and answers other methods with reply,
// as some servers do.
TestHttpServer::Handler refusingHead(const TestHttpReply &reply);
