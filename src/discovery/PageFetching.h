#pragma once

#include "Page.h"

#include <QByteArray>
#include <QCoroTask>
#include <QDeadlineTimer>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>
#include <utility>

class HttpClient;

// Reading a company's site. Every request goes through one session, is
// bounded by its 12-second time-out and by the caller's deadline, and is
// sent only to public addresses (isPublicAddress), redirects included.
// Failures are absences.
namespace Discovery {

// The HTTP session of all discovery traffic: its own User-Agent, redirects
// followed, nothing kept on disk. Created on first use, on the thread that
// runs discovery.
HttpClient &session();

// A page answered with a 2xx status, its body decoded as UTF-8 (else
// Latin-1); its url is where the answer finally came from.
QCoro::Task<std::optional<Page>> fetchPage(QUrl url, QDeadlineTimer deadline = QDeadlineTimer::Forever);

// The raw body of a 2xx answer.
QCoro::Task<std::optional<QByteArray>> fetchData(QUrl url, QDeadlineTimer deadline = QDeadlineTimer::Forever);

// The pages at paths on https://domain, all fetched at once; in the order of
// paths, leaving out the paths that gave no page.
QCoro::Task<QList<std::pair<QString, Page>>> fetch(QStringList paths, QString domain,
                                                   QDeadlineTimer deadline = QDeadlineTimer::Forever);

// Whether a candidate page exists: a HEAD (a GET when HEAD fails or is
// refused with 403, 405 or 501) answered with a 2xx status, unless a
// redirect took it to the site's root.
QCoro::Task<bool> responds(QString url, QDeadlineTimer deadline = QDeadlineTimer::Forever);

// Body text as pages are read: UTF-8 when it is valid, else Latin-1.
QString decode(const QByteArray &body);

}
