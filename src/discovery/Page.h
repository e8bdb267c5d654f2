#pragma once

#include <QString>
#include <QUrl>

namespace Discovery {

// A fetched page: its decoded text, and the address it finally came from.
struct Page {
    QString text;
    QUrl url;
};

}
