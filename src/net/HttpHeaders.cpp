#include "HttpHeaders.h"

std::optional<QByteArray> headerValue(const HttpHeaders &headers, QByteArrayView name)
{
    for (const auto &[field, value] : headers) {
        if (name.compare(field, Qt::CaseInsensitive) == 0)
            return value;
    }
    return std::nullopt;
}
