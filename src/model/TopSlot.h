#pragma once

#include "Company.h"
#include "Severity.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

// One of the three summary lines at the top of the panel: the most
// important story of its reach that a wider line has not taken, or a quiet
// line.
struct TopSlot {
    Q_GADGET
    Q_PROPERTY(QString id MEMBER id CONSTANT)
    Q_PROPERTY(QString window MEMBER window CONSTANT)
    Q_PROPERTY(QString severity READ severityText CONSTANT)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(QString source MEMBER source CONSTANT)
    Q_PROPERTY(QString trail MEMBER trail CONSTANT)
    Q_PROPERTY(bool isQuiet MEMBER isQuiet CONSTANT)
    Q_PROPERTY(QUrl url MEMBER url CONSTANT)

public:
    QString id; // the label, unique among the three
    QString window; // "7d", "24h" or "1h"
    Severity severity = Severity::none;
    QString title;
    QString source; // the lead hit's outlet
    QString trail; // further outlets, age and company, or what was last seen
    bool isQuiet = false;
    QUrl url; // the lead hit's address; empty for a quiet line

    [[nodiscard]] QString severityText() const { return toText(severity); }

    // The 7d, 24h and 1h lines over the companies' stories, widest first.
    static QList<TopSlot> build(const QList<Company> &companies, const QDateTime &lastScan);

    // The title of a line with nothing to show.
    static QString quietLine(const QDateTime &lastScan);

    friend bool operator==(const TopSlot &, const TopSlot &) = default;
};
