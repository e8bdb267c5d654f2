#include "TestHttpServer.h"

#include "TestHttpConnection.h"

#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>

TestHttpServer::TestHttpServer(const QHostAddress &address, quint16 port)
    : m_address(address)
    , m_listener(new QTcpServer)
{
    m_listener->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_listener, &QObject::deleteLater);
    m_thread.start();
    QMetaObject::invokeMethod(
        m_listener,
        [this, port] {
            QObject::connect(m_listener, &QTcpServer::newConnection, m_listener, [this] {
                while (QTcpSocket *socket = m_listener->nextPendingConnection())
                    new TestHttpConnection(socket, [this](const TestHttpRequest &request) { return respond(request); }, m_listener);
            });
            if (m_listener->listen(m_address, port))
                m_port = m_listener->serverPort();
        },
        Qt::BlockingQueuedConnection);
}

TestHttpServer::~TestHttpServer()
{
    m_thread.quit();
    m_thread.wait();
}

QString TestHttpServer::connectTo(const QString &host) const
{
    return host + u'=' + m_address.toString() + u':' + QString::number(m_port);
}

void TestHttpServer::route(const QByteArray &host, const QByteArray &path, Handler handler)
{
    QMutexLocker locker(&m_mutex);
    m_routes.insert({host.toLower(), path}, std::move(handler));
}

void TestHttpServer::route(const QByteArray &host, const QByteArray &path, const TestHttpReply &reply)
{
    route(host, path, [reply](const TestHttpRequest &) { return reply; });
}

void TestHttpServer::setFallback(Handler handler)
{
    QMutexLocker locker(&m_mutex);
    m_fallback = std::move(handler);
}

QList<TestHttpRequest> TestHttpServer::requests() const
{
    QMutexLocker locker(&m_mutex);
    return m_requests;
}

TestHttpReply TestHttpServer::respond(const TestHttpRequest &request)
{
    Handler handler;
    {
        QMutexLocker locker(&m_mutex);
        m_requests.append(request);
        handler = m_routes.value({request.host, request.path()});
        if (!handler)
            handler = m_routes.value({QByteArrayLiteral("*"), request.path()}, m_fallback);
    }
    // Outside the lock: a handler may look at the recorded requests.
    return handler ? handler(request) : TestHttpReply::withStatus(404, "not found");
}

TestHttpServer::Handler refusingHead(const TestHttpReply &reply)
{
    return [reply](const TestHttpRequest &request) {
        return request.method == "HEAD" ? TestHttpReply::withStatus(405) : reply;
    };
}
