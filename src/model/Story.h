#pragma once

#include "ItemRecord.h"
#include "Severity.h"
#include "SourceHit.h"

#include <QList>
#include <QObject>
#include <QString>

// Articles about one event, led by the newest.
struct Story {
    Q_GADGET
    Q_PROPERTY(QString id MEMBER id CONSTANT)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(QString severity READ severityText CONSTANT)
    Q_PROPERTY(QString meta MEMBER meta CONSTANT)
    Q_PROPERTY(QList<SourceHit> sources MEMBER sources CONSTANT)
    Q_PROPERTY(qint64 ageMinutes MEMBER ageMinutes CONSTANT)
    Q_PROPERTY(bool isRead MEMBER isRead CONSTANT)
    Q_PROPERTY(QList<qint64> itemIDs MEMBER itemIDs CONSTANT)

public:
    QString id; // company id, lead cluster key and lead item id, joined by "-"
    QString title;
    Severity severity = Severity::routine; // the gravest of its items
    QString meta; // lead outlet, how many others, age
    QList<SourceHit> sources; // newest first
    qint64 ageMinutes = 0;
    bool isRead = false; // every item read
    QList<qint64> itemIDs; // newest first

    [[nodiscard]] QString severityText() const { return toText(severity); }

    // The story of one cluster of a company's items.
    static Story from(qint64 companyId, QList<ItemRecord> items, const QDateTime &now);

    friend bool operator==(const Story &, const Story &) = default;
};
