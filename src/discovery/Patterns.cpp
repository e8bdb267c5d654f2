#include "Patterns.h"

#include <QRegularExpression>

namespace Discovery {

QStringList matches(const QString &pattern, const QString &text)
{
    const QRegularExpression expression(pattern, QRegularExpression::CaseInsensitiveOption);
    if (!expression.isValid())
        return {};
    const int group = expression.captureCount() >= 1 ? 1 : 0;
    QStringList result;
    for (const QRegularExpressionMatch &match : expression.globalMatch(text))
        result.append(match.captured(group));
    return result;
}

}
