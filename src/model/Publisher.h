#pragma once

#include "ItemRecord.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

// An outlet of the items in view, as a tile of the source bar.
struct Publisher {
    Q_GADGET
    Q_PROPERTY(QString id MEMBER id CONSTANT)
    Q_PROPERTY(QString domain MEMBER domain CONSTANT)
    Q_PROPERTY(QString label MEMBER label CONSTANT)
    Q_PROPERTY(QString mark MEMBER mark CONSTANT)
    Q_PROPERTY(QColor tint MEMBER tint CONSTANT)
    Q_PROPERTY(int count MEMBER count CONSTANT)
    Q_PROPERTY(bool isOwned MEMBER isOwned CONSTANT)
    Q_PROPERTY(bool isShown MEMBER isShown CONSTANT)

public:
    QString id; // the domain
    QString domain;
    QString label; // the catalog's name, else the domain
    QString mark; // one to three letters
    QColor tint;
    int count = 0; // items ranked
    bool isOwned = false; // a tracked company's own site
    bool isShown = true; // not hidden by the user

    // What ranking needs to know beyond the items.
    struct Context {
        QSet<QString> ownedDomains; // tracked companies' domains
        QHash<QString, QString> names; // catalog names by domain
        QSet<QString> hidden; // outlets the user hid
    };

    // Adds the items to the counts per outlet; items without one are left out.
    static void tally(const QList<ItemRecord> &items, QHash<QString, int> &counts);
    // The outlets counted: owned first, then shown, then most items, then by
    // domain.
    static QList<Publisher> rank(const QHash<QString, int> &counts, const Context &context);
    static QList<Publisher> rank(const QList<ItemRecord> &items, const Context &context);

    // A colour of its own for an outlet without a house style, steady across
    // runs: a hue from the domain's FNV-1a hash.
    static QColor tintFor(const QString &domain);

    friend bool operator==(const Publisher &, const Publisher &) = default;
};
