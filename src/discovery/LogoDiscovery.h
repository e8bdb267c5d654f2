#pragma once

#include <QString>
#include <QStringView>
#include <QUrl>

#include <optional>

// Where a company's logo can be had.
namespace Discovery {

// The best logo a page names, absolute against its final address: a touch
// icon, else any icon, else the page's social-sharing image. Only public
// http(s) addresses count.
std::optional<QString> logo(QStringView html, const QUrl &base);

// The conventional icon of a site, for a page that names none.
QString faviconAddress(const QString &domain);

}
