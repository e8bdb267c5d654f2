#pragma once

#include "HttpHeaders.h"

#include <QByteArray>
#include <QUrl>

#include <chrono>
#include <optional>

// One request as its caller sees it. Redirects are followed for it, so the
// time-out covers every hop.
struct HttpRequest {
    QUrl url;
    QByteArray method = QByteArrayLiteral("GET");
    // Sent after the client's own headers, replacing any of the same name.
    HttpHeaders headers;
    // For the whole exchange; the client's request time-out when absent.
    std::optional<std::chrono::milliseconds> timeout;
};
