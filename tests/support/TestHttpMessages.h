#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <chrono>
#include <utility>

using TestHttpHeaders = QList<std::pair<QByteArray, QByteArray>>;

// A request as the test server received it.
struct TestHttpRequest {
    QByteArray method;
    QByteArray target; // path and query, as sent
    QByteArray host; // the Host header without its port, lower-cased
    TestHttpHeaders headers;
    QByteArray body;
    std::chrono::steady_clock::time_point arrivedAt;

    // The target without its query.
    [[nodiscard]] QByteArray path() const;
    // The first field of that name, regardless of case; empty when absent.
    [[nodiscard]] QByteArray header(QByteArrayView name) const;
};

// How the test server answers one request.
struct TestHttpReply {
    enum class Kind {
        Complete, // status, headers and body
        HangUp, // closes the connection without answering
        Garbage, // writes bytes that are not HTTP, then closes
        Truncated, // announces more body than it sends, then closes
        Stalled, // sends the head, then nothing, keeping the connection open
        Trickle, // sends the head, then one byte every trickleInterval, forever
        Endless, // sends the head, then body bytes without end
    };

    Kind kind = Kind::Complete;
    int status = 200;
    TestHttpHeaders headers;
    QByteArray body;
    // Waited before answering anything.
    std::chrono::milliseconds delay{0};
    std::chrono::milliseconds trickleInterval{50};
    // For Endless: announce a Content-Length far beyond any limit instead of
    // delimiting the body by closing.
    bool announceLength = false;

    static TestHttpReply text(QByteArray body, QByteArray contentType = QByteArrayLiteral("text/plain"));
    static TestHttpReply withStatus(int status, QByteArray body = {});
    // Redirects close their connection; see TestHttpConnection.
    static TestHttpReply redirect(int status, QByteArray location);
    static TestHttpReply of(Kind kind);

    [[nodiscard]] TestHttpReply withHeader(QByteArray name, QByteArray value) &&;
    [[nodiscard]] TestHttpReply after(std::chrono::milliseconds wait) &&;
};
