#include "TestHttpMessages.h"

QByteArray TestHttpRequest::header(QByteArrayView name) const
{
    for (const auto &[field, value] : headers) {
        if (name.compare(field, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

QByteArray TestHttpRequest::path() const
{
    const qsizetype query = target.indexOf('?');
    return query < 0 ? target : target.first(query);
}

TestHttpReply TestHttpReply::text(QByteArray body, QByteArray contentType)
{
    TestHttpReply reply;
    reply.headers = {{"Content-Type", std::move(contentType)}};
    reply.body = std::move(body);
    return reply;
}

TestHttpReply TestHttpReply::withStatus(int status, QByteArray body)
{
    TestHttpReply reply = body.isEmpty() ? TestHttpReply() : text(std::move(body));
    reply.status = status;
    return reply;
}

TestHttpReply TestHttpReply::redirect(int status, QByteArray location)
{
    TestHttpReply reply;
    reply.status = status;
    reply.headers = {{"Location", std::move(location)}};
    return reply;
}

TestHttpReply TestHttpReply::of(Kind kind)
{
    TestHttpReply reply = text("partial body");
    reply.kind = kind;
    return reply;
}

TestHttpReply TestHttpReply::withHeader(QByteArray name, QByteArray value) &&
{
    headers.append({std::move(name), std::move(value)});
    return std::move(*this);
}

TestHttpReply TestHttpReply::after(std::chrono::milliseconds wait) &&
{
    delay = wait;
    return std::move(*this);
}
