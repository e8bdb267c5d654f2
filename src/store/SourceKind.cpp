#include "SourceKind.h"

QString toText(SourceKind kind)
{
    switch (kind) {
    case SourceKind::press:
        return QStringLiteral("press");
    case SourceKind::blog:
        return QStringLiteral("blog");
    case SourceKind::ir:
        return QStringLiteral("ir");
    case SourceKind::status:
        return QStringLiteral("status");
    case SourceKind::googleNews:
        return QStringLiteral("google_news");
    case SourceKind::wire:
        return QStringLiteral("wire");
    case SourceKind::national:
        return QStringLiteral("national");
    case SourceKind::trade:
        return QStringLiteral("trade");
    }
    Q_UNREACHABLE();
}
