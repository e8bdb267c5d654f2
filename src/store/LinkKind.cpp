#include "LinkKind.h"

QString toText(LinkKind kind)
{
    switch (kind) {
    case LinkKind::website:
        return QStringLiteral("website");
    case LinkKind::press:
        return QStringLiteral("press");
    case LinkKind::blog:
        return QStringLiteral("blog");
    case LinkKind::ir:
        return QStringLiteral("ir");
    case LinkKind::linkedin:
        return QStringLiteral("linkedin");
    case LinkKind::x:
        return QStringLiteral("x");
    case LinkKind::facebook:
        return QStringLiteral("facebook");
    case LinkKind::instagram:
        return QStringLiteral("instagram");
    case LinkKind::youtube:
        return QStringLiteral("youtube");
    case LinkKind::github:
        return QStringLiteral("github");
    case LinkKind::crunchbase:
        return QStringLiteral("crunchbase");
    case LinkKind::custom:
        return QStringLiteral("custom");
    }
    Q_UNREACHABLE();
}

QString label(LinkKind kind)
{
    switch (kind) {
    case LinkKind::website:
        return QStringLiteral("Website");
    case LinkKind::press:
        return QStringLiteral("Press");
    case LinkKind::blog:
        return QStringLiteral("Blog");
    case LinkKind::ir:
        return QStringLiteral("Investors");
    case LinkKind::linkedin:
        return QStringLiteral("LinkedIn");
    case LinkKind::x:
        return QStringLiteral("X");
    case LinkKind::facebook:
        return QStringLiteral("Facebook");
    case LinkKind::instagram:
        return QStringLiteral("Instagram");
    case LinkKind::youtube:
        return QStringLiteral("YouTube");
    case LinkKind::github:
        return QStringLiteral("GitHub");
    case LinkKind::crunchbase:
        return QStringLiteral("Crunchbase");
    case LinkKind::custom:
        return QStringLiteral("Link");
    }
    Q_UNREACHABLE();
}

QString mark(LinkKind kind)
{
    switch (kind) {
    case LinkKind::website:
        return QStringLiteral("WWW");
    case LinkKind::press:
        return QStringLiteral("PR");
    case LinkKind::blog:
        return QStringLiteral("BL");
    case LinkKind::ir:
        return QStringLiteral("IR");
    case LinkKind::linkedin:
        return QStringLiteral("in");
    case LinkKind::x:
        return QStringLiteral("X");
    case LinkKind::facebook:
        return QStringLiteral("f");
    case LinkKind::instagram:
        return QStringLiteral("IG");
    case LinkKind::youtube:
        return QStringLiteral("YT");
    case LinkKind::github:
        return QStringLiteral("GH");
    case LinkKind::crunchbase:
        return QStringLiteral("CB");
    case LinkKind::custom:
        return QStringLiteral("·");
    }
    Q_UNREACHABLE();
}

QStringList hosts(LinkKind kind)
{
    switch (kind) {
    case LinkKind::linkedin:
        return {QStringLiteral("linkedin.com/company/"), QStringLiteral("linkedin.com/school/"),
                QStringLiteral("linkedin.com/in/")};
    case LinkKind::x:
        return {QStringLiteral("twitter.com/"), QStringLiteral("x.com/")};
    case LinkKind::facebook:
        return {QStringLiteral("facebook.com/")};
    case LinkKind::instagram:
        return {QStringLiteral("instagram.com/")};
    case LinkKind::youtube:
        return {QStringLiteral("youtube.com/"), QStringLiteral("youtu.be/")};
    case LinkKind::github:
        return {QStringLiteral("github.com/")};
    case LinkKind::crunchbase:
        return {QStringLiteral("crunchbase.com/organization/")};
    case LinkKind::website:
    case LinkKind::press:
    case LinkKind::blog:
    case LinkKind::ir:
    case LinkKind::custom:
        return {};
    }
    Q_UNREACHABLE();
}
