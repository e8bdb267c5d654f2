#pragma once

#include "TestHttpMessages.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

class QTcpSocket;

// One client connection of the test server: reads HTTP/1.1 requests one at a
// time and writes each answer the way its reply asks for. Keeps the
// connection alive between plain answers; redirects close it, because Qt,
// answered a redirect on a kept-alive connection, sometimes sends the first
// request twice.
class TestHttpConnection : public QObject
{
public:
    using Respond = std::function<TestHttpReply(const TestHttpRequest &)>;

    // Takes the socket over and deletes itself once it disconnects.
    TestHttpConnection(QTcpSocket *socket, Respond respond, QObject *parent);

private:
    void readRequests();
    std::optional<TestHttpRequest> takeRequest();
    void answer(const TestHttpRequest &request, const TestHttpReply &reply);
    void writeHead(const TestHttpReply &reply, std::optional<qint64> contentLength, bool close);
    void writeEndless();

    QTcpSocket *m_socket;
    Respond m_respond;
    QByteArray m_buffer;
    bool m_answering = false;
    QTimer m_trickle;
};
