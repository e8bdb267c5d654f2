#include "JsonFeedReader.h"

#include "DateFormats.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace JsonFeedReader {

namespace {

std::optional<QString> text(const QJsonObject &object, QStringView key)
{
    const QJsonValue value = object.value(key);
    return value.isString() ? std::optional(value.toString()) : std::nullopt;
}

} // namespace

std::optional<ParsedFeed> read(QByteArrayView data)
{
    // A byte-order mark is allowed before JSON, but QJsonDocument rejects it.
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromRawData(data.data(), data.size()));
    const QJsonValue items = document.object().value(u"items");
    if (!items.isArray())
        return {};
    ParsedFeed feed{.title = text(document.object(), u"title").value_or(QString())};
    for (const QJsonValue element : items.toArray()) {
        if (!element.isObject())
            return {};
        const QJsonObject item = element.toObject();
        // Every entry needs a link and a title; the address stands in for a
        // missing title.
        const QString url = text(item, u"url").value_or(QString());
        if (url.isEmpty())
            continue;
        const QString title = text(item, u"title").value_or(QString());
        std::optional<QString> summary = text(item, u"summary");
        if (!summary)
            summary = text(item, u"content_text");
        const std::optional<QString> date = text(item, u"date_published");
        feed.items.append({
            .title = title.isEmpty() ? url : title,
            .link = url,
            .summary = std::move(summary),
            .published = date ? DateFormats::parse(*date) : std::nullopt,
        });
    }
    if (feed.items.isEmpty())
        return {};
    return feed;
}

}
