#pragma once

#include "HttpHeaders.h"
#include "HttpRequest.h"
#include "HttpResult.h"

#include <QCoroTask>
#include <QDeadlineTimer>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>

#include <chrono>
#include <functional>

class QNetworkReply;
class QNetworkRequest;

struct HttpClientSettings {
    // Sent with every request.
    HttpHeaders headers;
    // The longest silence within one transfer; none when zero.
    std::chrono::milliseconds idleTimeout{0};
    // For a whole request with its redirects, unless the request sets its own.
    std::chrono::milliseconds requestTimeout{std::chrono::seconds(60)};
    // The addresses this client may send to, checked on every hop so that a
    // redirect cannot lead it elsewhere; any address when empty.
    std::function<bool(const QUrl &)> acceptsAddress;
};

// An HTTP session: default headers and time-outs shared by its requests, and
// cookies kept in memory for its lifetime. Nothing is cached or stored on
// disk, no credentials are ever supplied and TLS certificates are always
// verified. Requests go through the process-wide ConnectTo mapping.
//
// Lives on one thread and must outlive the requests it sends.
class HttpClient
{
public:
    // Bodies are read up to this size; a larger one fails the request.
    static constexpr qint64 maxBodySize = 16 * 1024 * 1024;
    static constexpr int maxRedirects = 10;

    explicit HttpClient(HttpClientSettings settings = {});
    HttpClient(const HttpClient &) = delete;
    HttpClient &operator=(const HttpClient &) = delete;

    // Follows redirects (never from https to http): a 303, and a 301 or 302
    // after a POST, continue as GET; HEAD stays HEAD. Any status is an
    // answer; only a failure to get one is an error.
    QCoro::Task<HttpResult> send(HttpRequest request);

private:
    QCoro::Task<HttpResult> exchange(QUrl url, QByteArray method, HttpHeaders headers, QDeadlineTimer deadline);
    QNetworkRequest networkRequest(const QUrl &url, const HttpHeaders &headers);
    QNetworkReply *start(const QNetworkRequest &request, const QByteArray &method);

    HttpClientSettings m_settings;
    QNetworkAccessManager m_network;
    // Keyed by the addresses callers use, so that routed requests keep each
    // site's cookies apart.
    QNetworkCookieJar m_cookies;
};
