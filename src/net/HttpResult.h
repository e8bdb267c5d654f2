#pragma once

#include "HttpResponse.h"

#include <QString>

#include <variant>

// Why a request produced no HTTP answer.
struct HttpError {
    enum class Kind {
        // Refused, unknown host, TLS failure, connection lost, refused
        // redirect. An answer that is not HTTP is one too: Qt reports it as
        // a closed connection ("Connection closed"), after retrying twice.
        Transport,
        TimedOut, // the idle or the request time-out passed
        TooLarge, // the body would pass HttpClient::maxBodySize
    };

    Kind kind = Kind::Transport;
    // Readable text for the user, such as "Connection refused" or
    // "response too large".
    QString description;
};

// What a request came to: an answer or the failure that prevented one.
// Failures are values, never exceptions.
class HttpResult
{
public:
    // A transport failure without description, for containers and QCoro::waitFor.
    HttpResult() = default;
    HttpResult(HttpResponse response)
        : m_value(std::move(response))
    {
    }
    HttpResult(HttpError error)
        : m_value(std::move(error))
    {
    }

    // Whether an answer arrived.
    explicit operator bool() const { return std::holds_alternative<HttpResponse>(m_value); }

    // The answer; only when there is one.
    const HttpResponse &operator*() const { return std::get<HttpResponse>(m_value); }
    HttpResponse &operator*() { return std::get<HttpResponse>(m_value); }
    const HttpResponse *operator->() const { return &std::get<HttpResponse>(m_value); }
    HttpResponse *operator->() { return &std::get<HttpResponse>(m_value); }

    // The failure; only when no answer arrived.
    const HttpError &error() const { return std::get<HttpError>(m_value); }

private:
    std::variant<HttpError, HttpResponse> m_value;
};
