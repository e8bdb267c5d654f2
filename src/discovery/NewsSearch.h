#pragma once

#include <QString>

// The news-search feed every company gets as its fallback source.
namespace Discovery {

// The search feed for a company's name or domain, whichever are known.
QString googleNewsURL(const QString &name, const QString &domain);

}
