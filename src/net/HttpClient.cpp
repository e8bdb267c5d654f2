#include "HttpClient.h"

#include "ConnectTo.h"

#include <QCoroNetworkReply>
#include <QNetworkCookie>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <memory>

namespace {

struct DeleteLater {
    void operator()(QObject *object) const { object->deleteLater(); }
};

bool isHttp(const QUrl &url)
{
    return url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https") && !url.host().isEmpty();
}

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// 303 asks for a GET of the new address; 301 and 302 after a POST are
// treated the same way, as browsers do.
QByteArray redirectedMethod(int status, const QByteArray &method)
{
    if ((status == 303 && method != "HEAD") || ((status == 301 || status == 302) && method == "POST"))
        return QByteArrayLiteral("GET");
    return method;
}

// Qt reports 4xx and 5xx statuses as errors too; they are answers all the same.
bool isStatusError(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ContentAccessDenied:
    case QNetworkReply::ContentOperationNotPermittedError:
    case QNetworkReply::ContentNotFoundError:
    case QNetworkReply::AuthenticationRequiredError:
    case QNetworkReply::ContentConflictError:
    case QNetworkReply::ContentGoneError:
    case QNetworkReply::UnknownContentError:
    case QNetworkReply::ProtocolInvalidOperationError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
    case QNetworkReply::InternalServerError:
    case QNetworkReply::OperationNotImplementedError:
    case QNetworkReply::ServiceUnavailableError:
    case QNetworkReply::UnknownServerError:
        return true;
    default:
        return false;
    }
}

HttpError transportFailure(const QString &description)
{
    return {HttpError::Kind::Transport, description};
}

HttpError timedOut()
{
    return {HttpError::Kind::TimedOut, QStringLiteral("The request timed out.")};
}

HttpError tooLarge()
{
    return {HttpError::Kind::TooLarge, QStringLiteral("response too large")};
}

HttpResult outcome(const QNetworkReply &reply, const QUrl &url, QByteArray body)
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QNetworkReply::NetworkError error = reply.error();
    if (status.isValid() && (error == QNetworkReply::NoError || isStatusError(error)))
        return HttpResponse{status.toInt(), reply.rawHeaderPairs(), url, std::move(body)};
    if (error == QNetworkReply::OperationCanceledError) // only the idle time-out cancels
        return timedOut();
    return transportFailure(reply.errorString());
}

} // namespace

HttpClient::HttpClient(HttpClientSettings settings)
    : m_settings(std::move(settings))
{
    m_network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    m_network.setAutoDeleteReplies(false);
    m_network.setTransferTimeout(static_cast<int>(m_settings.idleTimeout.count()));
}

QCoro::Task<HttpResult> HttpClient::send(HttpRequest request)
{
    const QDeadlineTimer deadline(request.timeout.value_or(m_settings.requestTimeout));
    QUrl url = request.url;
    QByteArray method = request.method;
    for (int redirects = 0;; ++redirects) {
        if (!isHttp(url))
            co_return transportFailure(QStringLiteral("not an http or https address"));
        if (m_settings.acceptsAddress && !m_settings.acceptsAddress(url))
            co_return transportFailure(QStringLiteral("address refused"));
        HttpResult result = co_await exchange(url, method, request.headers, deadline);
        if (!result || !isRedirect(result->status))
            co_return result;
        const auto location = result->header("Location");
        if (!location)
            co_return result;
        if (redirects == maxRedirects)
            co_return transportFailure(QStringLiteral("too many redirects"));
        const QUrl next = url.resolved(QUrl(QString::fromUtf8(*location)));
        if (url.scheme() == u"https" && next.scheme() == u"http")
            co_return transportFailure(QStringLiteral("redirect from https to http refused"));
        method = redirectedMethod(result->status, method);
        url = next;
    }
}

QCoro::Task<HttpResult> HttpClient::exchange(QUrl url, QByteArray method, HttpHeaders headers, QDeadlineTimer deadline)
{
    const std::unique_ptr<QNetworkReply, DeleteLater> reply(start(networkRequest(url, headers), method));
    QByteArray body;
    std::optional<HttpError> stopped;
    // The request time-out, and the context of every connection below, so
    // that none outlives this exchange.
    QTimer timer;

    // Signal handlers never abort directly: an abort finishes the reply at
    // once, which would resume this coroutine inside the handler.
    const auto stop = [&](HttpError error) {
        if (stopped)
            return;
        stopped = std::move(error);
        QMetaObject::invokeMethod(reply.get(), &QNetworkReply::abort, Qt::QueuedConnection);
    };
    const auto take = [&] {
        if (stopped || !reply->isOpen()) // a cancelled reply is closed
            return;
        body += reply->readAll();
        if (body.size() > maxBodySize)
            stop(tooLarge());
    };
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &timer, [&] {
        // A HEAD answer announces the length of a body it does not carry.
        if (method != "HEAD" && reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > maxBodySize)
            stop(tooLarge());
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &timer, take);
    QObject::connect(&timer, &QTimer::timeout, &timer, [&] { stop(timedOut()); });
    timer.setSingleShot(true);
    timer.start(std::chrono::ceil<std::chrono::milliseconds>(deadline.remainingTimeAsDuration()));

    co_await reply.get();
    take();
    if (stopped)
        co_return *stopped;
    HttpResult result = outcome(*reply, url, std::move(body));
    if (result)
        m_cookies.setCookiesFromUrl(reply->header(QNetworkRequest::SetCookieHeader).value<QList<QNetworkCookie>>(), url);
    co_return result;
}

QNetworkRequest HttpClient::networkRequest(const QUrl &url, const HttpHeaders &headers)
{
    const QUrl routed = ConnectTo::current().route(url);
    QNetworkRequest request(routed);
    // Cookies are handled here, by the caller's addresses; credentials never.
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::AuthenticationReuseAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    if (const QList<QNetworkCookie> cookies = m_cookies.cookiesForUrl(url); !cookies.isEmpty())
        request.setHeader(QNetworkRequest::CookieHeader, QVariant::fromValue(cookies));
    if (routed != url) {
        const QUrl authority = url.adjusted(QUrl::RemoveUserInfo);
        request.setRawHeader("Host", authority.authority(QUrl::FullyEncoded).toLatin1());
    }
    // setRawHeader replaces a field of the same name, whatever its case.
    for (const auto &[name, value] : m_settings.headers)
        request.setRawHeader(name, value);
    for (const auto &[name, value] : headers)
        request.setRawHeader(name, value);
    return request;
}

QNetworkReply *HttpClient::start(const QNetworkRequest &request, const QByteArray &method)
{
    // Qt knows that an answer to HEAD has no body only when it sends the HEAD itself.
    if (method == "HEAD")
        return m_network.head(request);
    if (method == "GET")
        return m_network.get(request);
    return m_network.sendCustomRequest(request, method);
}
