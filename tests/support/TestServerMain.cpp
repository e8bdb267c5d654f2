// pelmor-test-server: serves a directory, or generated feeds, on a loopback
// address, so that a benchmark can point the real program at it through
// PELMOR_DEBUG_CONNECT_TO. Prints "address:port" as its first line.

#include "TestHttpServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>

#include <cstdio>

namespace {

// An RSS feed of count items, the same on every request for host and path.
QByteArray generatedFeed(const QByteArray &host, const QByteArray &path, int count, const QDateTime &newest)
{
    const QByteArray site = "https://" + host;
    QByteArray feed = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel>\n<title>" + host
        + "</title>\n<link>" + site + "/</link>\n";
    for (int i = 0; i < count; ++i) {
        const QByteArray number = QByteArray::number(i);
        const QString date = QLocale::c().toString(newest.addSecs(-60 * i), QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'"));
        feed += "<item><title>" + host + " news number " + number + "</title><link>" + site + path + "/items/" + number
            + "</link><pubDate>" + date.toLatin1() + "</pubDate></item>\n";
    }
    return feed + "</channel></rss>\n";
}

QByteArray contentType(const QString &fileName)
{
    if (fileName.endsWith(u".html"))
        return "text/html; charset=utf-8";
    if (fileName.endsWith(u".json"))
        return "application/json";
    if (fileName.endsWith(u".png"))
        return "image/png";
    return fileName.endsWith(u".xml") ? "application/xml" : "application/octet-stream";
}

// root/<host>/<path> when that exists, else root/<path>; nothing outside root.
std::optional<QString> siteFile(const QDir &root, const QByteArray &host, const QByteArray &path)
{
    const QString relative = QString::fromUtf8(QByteArray::fromPercentEncoding(path));
    const QStringList candidates = {QString::fromUtf8(host) + u'/' + relative, relative};
    for (const QString &candidate : candidates) {
        const QString file = QDir::cleanPath(root.absolutePath() + u'/' + candidate);
        if (file.startsWith(root.absolutePath() + u'/') && QFileInfo(file).isFile())
            return file;
    }
    return std::nullopt;
}

// Answers with body, or 304 when the client already holds it.
TestHttpReply conditional(const TestHttpRequest &request, const QByteArray &body, const QByteArray &type)
{
    const QByteArray etag = '"' + QCryptographicHash::hash(body, QCryptographicHash::Sha1).toHex().left(16) + '"';
    if (request.header("If-None-Match") == etag)
        return TestHttpReply::withStatus(304).withHeader("ETag", etag);
    return TestHttpReply::text(body, type).withHeader("ETag", etag);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Serves files or generated feeds to pelmor for benchmarks."));
    parser.addHelpOption();
    const QCommandLineOption address(QStringLiteral("address"), QStringLiteral("Loopback address to listen on."),
                                     QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Port to listen on; 0 picks a free one."),
                                  QStringLiteral("port"), QStringLiteral("0"));
    const QCommandLineOption root(QStringLiteral("root"),
                                  QStringLiteral("Serve <dir>/<host>/<path> or <dir>/<path> instead of generated feeds."),
                                  QStringLiteral("dir"));
    const QCommandLineOption items(QStringLiteral("items"), QStringLiteral("Items in each generated feed."),
                                   QStringLiteral("count"), QStringLiteral("20"));
    parser.addOptions({address, port, root, items});
    parser.process(application);

    TestHttpServer server(QHostAddress(parser.value(address)), static_cast<quint16>(parser.value(port).toUInt()));
    if (!server.isListening()) {
        std::fprintf(stderr, "cannot listen on %s:%s\n", qPrintable(parser.value(address)), qPrintable(parser.value(port)));
        return 1;
    }
    if (parser.isSet(root)) {
        server.setFallback([dir = QDir(parser.value(root))](const TestHttpRequest &request) {
            const auto file = siteFile(dir, request.host, request.path());
            QFile content(file.value_or(QString()));
            if (!file || !content.open(QIODevice::ReadOnly))
                return TestHttpReply::withStatus(404, "not found");
            return conditional(request, content.readAll(), contentType(*file));
        });
    } else {
        server.setFallback([count = parser.value(items).toInt(), newest = QDateTime::currentDateTimeUtc()](const TestHttpRequest &request) {
            return conditional(request, generatedFeed(request.host, request.path(), count, newest), "application/rss+xml");
        });
    }
    std::printf("%s:%u\n", qPrintable(server.address().toString()), server.port());
    std::fflush(stdout);
    return application.exec();
}
