#include "Age.h"

namespace Age {

QString shortForm(qint64 minutes)
{
    if (minutes < 1)
        return QStringLiteral("now");
    if (minutes < 60)
        return QString::number(minutes) + u'm';
    if (minutes < 1440)
        return QString::number(minutes / 60) + u'h';
    return QString::number(minutes / 1440) + u'd';
}

}
