#include "TestHttpConnection.h"

#include <QTcpSocket>

namespace {

constexpr qint64 endlessChunkSize = 64 * 1024;
// Announced by an Endless reply that announces its length.
constexpr qint64 hugeLength = qint64(1) << 40;

QByteArray reason(int status)
{
    switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 303: return "See Other";
    case 304: return "Not Modified";
    case 307: return "Temporary Redirect";
    case 308: return "Permanent Redirect";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

bool isRedirect(int status)
{
    return status >= 300 && status < 400 && status != 304;
}

bool hasBody(const TestHttpRequest &request, int status)
{
    return request.method != "HEAD" && status != 204 && status != 304 && status >= 200;
}

// The host part of a Host header: "[::1]:8080" gives "::1", "Example.com:80" "example.com".
QByteArray hostName(QByteArray host)
{
    host = host.trimmed().toLower();
    const qsizetype colon = host.lastIndexOf(':');
    if (colon > host.lastIndexOf(']'))
        host.truncate(colon);
    if (host.startsWith('[') && host.endsWith(']'))
        host = host.sliced(1, host.size() - 2);
    return host;
}

} // namespace

TestHttpConnection::TestHttpConnection(QTcpSocket *socket, Respond respond, QObject *parent)
    : QObject(parent)
    , m_socket(socket)
    , m_respond(std::move(respond))
{
    m_socket->setParent(this);
    connect(m_socket, &QTcpSocket::readyRead, this, &TestHttpConnection::readRequests);
    connect(m_socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    connect(&m_trickle, &QTimer::timeout, this, [this] { m_socket->write("x"); });
    readRequests();
}

void TestHttpConnection::readRequests()
{
    m_buffer += m_socket->readAll();
    while (!m_answering) {
        const std::optional<TestHttpRequest> request = takeRequest();
        if (!request)
            return;
        m_answering = true;
        const TestHttpReply reply = m_respond(*request);
        if (reply.delay.count() > 0)
            QTimer::singleShot(reply.delay, this, [this, request = *request, reply] { answer(request, reply); });
        else
            answer(*request, reply);
    }
}

std::optional<TestHttpRequest> TestHttpConnection::takeRequest()
{
    const qsizetype headEnd = m_buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return std::nullopt;
    const QList<QByteArray> lines = m_buffer.first(headEnd).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    TestHttpRequest request;
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.append({lines[i].first(colon).trimmed(), lines[i].sliced(colon + 1).trimmed()});
    }
    const qsizetype bodyStart = headEnd + 4;
    const qsizetype bodySize = request.header("Content-Length").toLongLong();
    if (m_buffer.size() < bodyStart + bodySize)
        return std::nullopt;
    request.body = m_buffer.sliced(bodyStart, bodySize);
    request.host = hostName(request.header("Host"));
    request.arrivedAt = std::chrono::steady_clock::now();
    m_buffer.remove(0, bodyStart + bodySize);
    return request;
}

void TestHttpConnection::answer(const TestHttpRequest &request, const TestHttpReply &reply)
{
    using Kind = TestHttpReply::Kind;
    switch (reply.kind) {
    case Kind::Complete: {
        const bool close = isRedirect(reply.status) || request.header("Connection").toLower() == "close";
        writeHead(reply, reply.body.size(), close);
        if (hasBody(request, reply.status))
            m_socket->write(reply.body);
        if (close) {
            m_socket->disconnectFromHost();
        } else {
            m_answering = false;
            readRequests();
        }
        return;
    }
    case Kind::HangUp:
        m_socket->disconnectFromHost();
        return;
    case Kind::Garbage:
        m_socket->write("SSH-2.0-OpenSSH_9.2p1 this is not HTTP\r\n\r\n");
        m_socket->disconnectFromHost();
        return;
    case Kind::Truncated:
        writeHead(reply, reply.body.size() + 1000, true);
        m_socket->write(reply.body);
        m_socket->disconnectFromHost();
        return;
    case Kind::Stalled:
        writeHead(reply, reply.body.size(), false);
        return;
    case Kind::Trickle:
        writeHead(reply, std::nullopt, true);
        m_trickle.start(reply.trickleInterval);
        return;
    case Kind::Endless:
        writeHead(reply, reply.announceLength ? std::optional(hugeLength) : std::nullopt, true);
        connect(m_socket, &QTcpSocket::bytesWritten, this, &TestHttpConnection::writeEndless);
        writeEndless();
        return;
    }
}

void TestHttpConnection::writeHead(const TestHttpReply &reply, std::optional<qint64> contentLength, bool close)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reason(reply.status) + "\r\n";
    for (const auto &[name, value] : reply.headers)
        head += name + ": " + value + "\r\n";
    if (contentLength)
        head += "Content-Length: " + QByteArray::number(*contentLength) + "\r\n";
    if (close)
        head += "Connection: close\r\n";
    m_socket->write(head + "\r\n");
}

void TestHttpConnection::writeEndless()
{
    static const QByteArray chunk(endlessChunkSize, 'x');
    // Keeps a few chunks queued, no more, so that the body is produced as
    // fast as the client reads it.
    while (m_socket->bytesToWrite() < 4 * endlessChunkSize)
        m_socket->write(chunk);
}
