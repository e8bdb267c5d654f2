#pragma once

#include "FeedDeclarations.h"

#include <QCoroTask>
#include <QDeadlineTimer>
#include <QList>
#include <QString>

#include <utility>

// Proving that an address serves a feed, and guessing where a site keeps
// feeds it does not declare.
namespace Discovery {

// The usual feed paths, tried when a site declares no working feed, with the
// kind a feed found there gets.
const QList<std::pair<QString, SourceKind>> &probes();

// Whether url answers with a document the feed parser reads; bodies of 64
// bytes or fewer never count.
QCoro::Task<bool> isFeed(QString url, QDeadlineTimer deadline = QDeadlineTimer::Forever);

// The feeds among candidates, all checked at once, in the order the checks
// complete.
QCoro::Task<QList<FoundFeed>> prove(QList<FoundFeed> candidates, QDeadlineTimer deadline = QDeadlineTimer::Forever);

// The probe paths on https://domain that hold a feed, all tried at once, in
// the order they answer; each titled with its kind's text.
QCoro::Task<QList<FoundFeed>> probe(QString domain, QDeadlineTimer deadline = QDeadlineTimer::Forever);

}
