#pragma once

#include <QSet>
#include <QString>

// What a title is about, as words that stories are matched and keyed by.
namespace Ranking {

// The title's significant words, lower-cased: three characters or more, no
// stop words.
QSet<QString> tokens(const QString &title);

// A key stored with each item: its five longest significant words of four
// characters or more (ties to the later word in text order), sorted and
// joined with "-"; or, when it has none, its first 40 characters
// lower-cased.
QString clusterKey(const QString &title);

}
