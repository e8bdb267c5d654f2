#pragma once

#include "HttpHeaders.h"

#include <QByteArray>
#include <QUrl>

#include <optional>

// An HTTP answer of any status, 404 and 500 included.
struct HttpResponse {
    int status = 0;
    HttpHeaders headers;
    // Where the answer finally came from after redirects, in the addresses
    // the caller used (never a test server's local address).
    QUrl url;
    QByteArray body;

    [[nodiscard]] std::optional<QByteArray> header(QByteArrayView name) const { return headerValue(headers, name); }
};
