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
    for (const QRegularExpressionMatch &match : expression.globalMatch(text)) {
        // A group that took no part in the match has no text to give.
        if (match.capturedStart(group) >= 0)
            result.append(match.captured(group));
    }
    return result;
}

}
