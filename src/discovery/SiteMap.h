#pragma once

#include <QCoroTask>
#include <QDeadlineTimer>
#include <QString>
#include <QStringList>
#include <QStringView>

// Reading a site's map for pages its links do not reach.
namespace Discovery {

// The <loc> addresses of a site map, trimmed, in order.
QStringList siteMapLocations(QStringView xml);

// The addresses in https://domain/sitemap.xml, at most 4000. A site-map
// index is followed to three of its maps, those whose names suggest news,
// press, blog or main pages first.
QCoro::Task<QStringList> sitemapURLs(QString domain, QDeadlineTimer deadline = QDeadlineTimer::Forever);

}
