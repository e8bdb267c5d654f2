#pragma once

#include "LinkKind.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUuid>

// One editable link entry of the company forms.
struct LinkDraft {
    Q_GADGET
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString kind READ kindText WRITE setKindText)
    Q_PROPERTY(QString label MEMBER label)
    Q_PROPERTY(QString url MEMBER url)

public:
    QString id = QUuid::createUuid().toString(QUuid::WithoutBraces); // identity in lists
    LinkKind kind = LinkKind::website;
    QString label; // kept for custom links only
    QString url; // as typed

    [[nodiscard]] QString kindText() const { return toText(kind); }
    void setKindText(const QString &text) { kind = linkKindFromText(text).value_or(LinkKind::custom); }

    friend bool operator==(const LinkDraft &, const LinkDraft &) = default;
};

// What the add-company form hands over, as typed.
struct CompanyDraft {
    Q_GADGET
    Q_PROPERTY(QString domain MEMBER domain)
    Q_PROPERTY(QString name MEMBER name)
    Q_PROPERTY(QString aliases MEMBER aliases)
    Q_PROPERTY(QList<LinkDraft> links MEMBER links)

public:
    QString domain;
    QString name; // empty: guessed from the domain, then read from the site
    QString aliases; // comma-separated further names
    QList<LinkDraft> links;

    friend bool operator==(const CompanyDraft &, const CompanyDraft &) = default;
};
