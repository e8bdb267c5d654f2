#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// One tracked company: a row of the company table.
struct CompanyRecord {
    std::optional<qint64> id; // none until stored
    QString name;
    QString domain; // normalised web domain, unique
    int tint = 0; // colour as 0xRRGGBB
    QString aliases;
    int cadenceMinutes = 60;
    QString notifyLevel = QStringLiteral("high");
    QString logoPath; // file name in the logos directory, empty when none
    QDateTime createdAt;

    friend bool operator==(const CompanyRecord &, const CompanyRecord &) = default;
};
