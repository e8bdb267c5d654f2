#pragma once

#include "CompanyRecord.h"
#include "ItemRecord.h"
#include "Severity.h"
#include "SourceRecord.h"
#include "Story.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QString>

#include <limits>

// A tracked company with the stories in view, as the company list draws it.
struct Company {
    Q_GADGET
    Q_PROPERTY(qint64 id MEMBER id CONSTANT)
    Q_PROPERTY(QString name MEMBER name CONSTANT)
    Q_PROPERTY(QString domain MEMBER domain CONSTANT)
    Q_PROPERTY(QColor tint MEMBER tint CONSTANT)
    Q_PROPERTY(QString logoPath MEMBER logoPath CONSTANT)
    Q_PROPERTY(QString severity READ severityText CONSTANT)
    Q_PROPERTY(int feedCount MEMBER feedCount CONSTANT)
    Q_PROPERTY(int failingFeeds MEMBER failingFeeds CONSTANT)
    Q_PROPERTY(qint64 lastUpdatedMinutes MEMBER lastUpdatedMinutes CONSTANT)
    Q_PROPERTY(QString status MEMBER status CONSTANT)
    Q_PROPERTY(QList<Story> stories MEMBER stories CONSTANT)

public:
    // What lastUpdatedMinutes holds for a company with nothing in view, so
    // that it sorts last by recency.
    static constexpr qint64 never = std::numeric_limits<qint64>::max();

    qint64 id = 0;
    QString name;
    QString domain;
    QColor tint;
    QString logoPath; // file name in the logos directory, empty when none
    Severity severity = Severity::none; // its first story's
    int feedCount = 0; // enabled feeds
    int failingFeeds = 0; // feeds failing at least once in a row, enabled or not
    qint64 lastUpdatedMinutes = never; // since its newest shown item
    QString status; // while its feeds are first read; empty otherwise
    QList<Story> stories; // gravest first, then newest

    [[nodiscard]] QString severityText() const { return toText(severity); }

    // The company with its feeds and the items it shows, grouped into stories.
    static Company build(const CompanyRecord &company, const QList<SourceRecord> &sources,
                         const QList<ItemRecord> &items, const QString &status, const QDateTime &now);

    // A stored 0xRRGGBB tint as an opaque colour; bits above are ignored.
    static QColor colour(int tint);

    friend bool operator==(const Company &, const Company &) = default;
};
