#pragma once

#include "HttpClient.h"
#include "QtPrinters.h"
#include "ScopedConnectTo.h"
#include "TestHttpServer.h"

#include <QCoroTask>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

// A client whose requests all reach a local test server, whatever host they
// name, as a benchmark's would through PELMOR_DEBUG_CONNECT_TO.
class HttpTest : public testing::Test
{
protected:
    static HttpResult send(HttpClient &client, HttpRequest request)
    {
        return QCoro::waitFor(client.send(std::move(request)));
    }
    HttpResult send(HttpRequest request) { return send(client, std::move(request)); }
    HttpResult get(const QString &url) { return send({.url = QUrl(url)}); }

    TestHttpServer server;
    ScopedConnectTo connectTo{server.connectTo()};
    HttpClient client{{
        .headers = {{"User-Agent", "pelmor-test/1"}, {"Accept", "application/rss+xml"}},
        .idleTimeout = 10s,
        .requestTimeout = 20s,
    }};
};
