#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>
#include <utility>

// Header fields in the order they were set or received. Names compare
// without regard to case, as HTTP defines them.
using HttpHeaders = QList<std::pair<QByteArray, QByteArray>>;

// The value of the first field called name, or nothing when there is none.
std::optional<QByteArray> headerValue(const HttpHeaders &headers, QByteArrayView name);
