#include "PageShapes.h"

namespace Discovery {

const QList<PageShape> &pageShapes()
{
    static const QList<PageShape> shapes{
        {LinkKind::press,
         {QStringLiteral("/newsroom"), QStringLiteral("/press"), QStringLiteral("/news"),
          QStringLiteral("/press-releases"), QStringLiteral("/media")},
         {QStringLiteral("newsroom"), QStringLiteral("press"), QStringLiteral("news"), QStringLiteral("media")}},
        {LinkKind::blog,
         {QStringLiteral("/blog"), QStringLiteral("/insights"), QStringLiteral("/articles")},
         {QStringLiteral("blog"), QStringLiteral("insights"), QStringLiteral("articles")}},
        {LinkKind::ir,
         {QStringLiteral("/investors"), QStringLiteral("/investor-relations"), QStringLiteral("/ir")},
         {QStringLiteral("investor"), QStringLiteral("investors"), QStringLiteral("shareholder")}},
    };
    return shapes;
}

std::optional<QString> section(QStringView path, const PageShape &shape)
{
    const QList<QStringView> segments = path.split(u'/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + 1 < segments.size(); ++i) {
        if (shape.paths.contains(u'/' + segments[i].toString().toLower())) {
            QString found;
            for (const QStringView segment : segments.first(i + 1))
                found += u'/' + segment;
            return found;
        }
    }
    return std::nullopt;
}

}
