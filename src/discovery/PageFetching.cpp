#include "PageFetching.h"

#include "Addresses.h"
#include "HttpClient.h"
#include "PublicAddress.h"
#include "UserAgent.h"

#include <QStringDecoder>

#include <vector>

using namespace std::chrono_literals;

namespace Discovery {

namespace {

// A site gets this long to answer each request.
constexpr std::chrono::milliseconds requestTimeout = 12s;

struct Exchange {
    int status = 0;
    QUrl url; // where the answer came from
    QByteArray body;
};

// Sends one request within the deadline. Nothing for an expired deadline or
// a transport failure, which includes an address on the user's own network,
// also one reached by a redirect.
QCoro::Task<std::optional<Exchange>> exchange(QUrl url, QByteArray method, QDeadlineTimer deadline)
{
    const auto remaining = std::chrono::duration_cast<std::chrono::milliseconds>(deadline.remainingTimeAsDuration());
    if (remaining <= 0ms)
        co_return std::nullopt;
    HttpRequest request{.url = url, .method = std::move(method), .timeout = std::min(remaining, requestTimeout)};
    const HttpResult result = co_await session().send(std::move(request));
    if (!result)
        co_return std::nullopt;
    co_return Exchange{result->status, result->url.isValid() ? result->url : url, result->body};
}

bool isSuccess(int status)
{
    return status >= 200 && status <= 299;
}

}

HttpClient &session()
{
    // Never destroyed: requests may still be winding down when the process
    // ends.
    static HttpClient *const client = new HttpClient(HttpClientSettings{
        .headers = {{"User-Agent", UserAgent::full}},
        .requestTimeout = requestTimeout,
        .acceptsAddress = isPublicAddress,
    });
    return *client;
}

QString decode(const QByteArray &body)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(body);
    return utf8.hasError() ? QString::fromLatin1(body) : text;
}

QCoro::Task<std::optional<QByteArray>> fetchData(QUrl url, QDeadlineTimer deadline)
{
    const auto answer = co_await exchange(std::move(url), QByteArrayLiteral("GET"), deadline);
    if (!answer || !isSuccess(answer->status))
        co_return std::nullopt;
    co_return answer->body;
}

QCoro::Task<std::optional<Page>> fetchPage(QUrl url, QDeadlineTimer deadline)
{
    const auto answer = co_await exchange(std::move(url), QByteArrayLiteral("GET"), deadline);
    if (!answer || !isSuccess(answer->status))
        co_return std::nullopt;
    co_return Page{decode(answer->body), answer->url};
}

QCoro::Task<QList<std::pair<QString, Page>>> fetch(QStringList paths, QString domain, QDeadlineTimer deadline)
{
    std::vector<QCoro::Task<std::optional<Page>>> pending;
    pending.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString &path : paths)
        pending.push_back(fetchPage(QUrl(QStringLiteral("https://") + domain + path, QUrl::StrictMode), deadline));
    QList<std::pair<QString, Page>> pages;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        auto page = co_await pending[static_cast<std::size_t>(i)];
        if (page)
            pages.append({paths[i], std::move(*page)});
    }
    co_return pages;
}

QCoro::Task<bool> responds(QString address, QDeadlineTimer deadline)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid())
        co_return false;
    const QString wanted = tidyPath(url.path(QUrl::FullyEncoded));
    for (const QByteArray &method : {QByteArrayLiteral("HEAD"), QByteArrayLiteral("GET")}) {
        const auto answer = co_await exchange(url, method, deadline);
        if (!answer)
            continue;
        if (isSuccess(answer->status)) {
            // Sent back to the home page: the page asked for is not there.
            const QString landed = tidyPath(answer->url.path(QUrl::FullyEncoded));
            co_return landed == wanted || !landed.isEmpty();
        }
        const bool refusesHead = answer->status == 403 || answer->status == 405 || answer->status == 501;
        if (method == "GET" || !refusesHead)
            co_return false;
    }
    co_return false;
}

}
