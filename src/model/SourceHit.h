#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QUrl>

struct ItemRecord;

// One article of a story, as a story's source line shows it.
struct SourceHit {
    Q_GADGET
    Q_PROPERTY(qint64 id MEMBER id CONSTANT)
    Q_PROPERTY(QString domain MEMBER domain CONSTANT)
    Q_PROPERTY(QString time MEMBER time CONSTANT)
    Q_PROPERTY(QUrl url MEMBER url CONSTANT)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(bool isRead MEMBER isRead CONSTANT)

public:
    qint64 id = 0; // the item's, 0 when it has none
    QString domain; // the outlet, from the item's address when it names none
    QString time; // Age::stamp of the publication
    QUrl url;
    QString title;
    bool isRead = false;

    static SourceHit from(const ItemRecord &item, const QDateTime &now);

    // Where a hit whose stored address does not parse leads.
    static QUrl placeholderUrl();

    friend bool operator==(const SourceHit &, const SourceHit &) = default;
};
