#include "SourceAuth.h"

QString toText(SourceAuth auth)
{
    switch (auth) {
    case SourceAuth::none:
        return QStringLiteral("None — open feed");
    case SourceAuth::contactEmail:
        return QStringLiteral("Contact email");
    case SourceAuth::apiKey:
        return QStringLiteral("API key");
    case SourceAuth::bearer:
        return QStringLiteral("Bearer token");
    case SourceAuth::oauth:
        return QStringLiteral("OAuth app");
    }
    Q_UNREACHABLE();
}
