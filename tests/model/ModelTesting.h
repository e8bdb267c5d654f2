#pragma once

#include "AppModel.h"
#include "QtPrinters.h"
#include "Scanner.h"
#include "ScopedConnectTo.h"
#include "ScopedEnvironment.h"
#include "TemporaryStore.h"
#include "TestHttpServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>

inline void PrintTo(Severity severity, std::ostream *out)
{
    *out << toText(severity).toStdString();
}

// A model over a fresh database, with settings in a directory of its own,
// logos beside the database and every host served by a loopback server.
// Dates are relative to the real clock, as the model reads it.
class ModelTest : public testing::Test
{
protected:
    ModelTest()
    {
        t.now = QDateTime::currentDateTimeUtc();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDirectory.path());
    }

    // The model, created on first use so that tests can prepare the
    // database and the settings first.
    AppModel &model()
    {
        if (!m_model)
            m_model = std::make_unique<AppModel>(*t.store, scanner);
        return *m_model;
    }

    static QSettings settings() { return QSettings(QStringLiteral("pelmor"), QStringLiteral("pelmor")); }

    qint64 addCompany(const QString &name, const QString &domain, int tint = 0x1F7A6B)
    {
        return *t.store->addCompany(name, domain, tint, {}, 60, "high").id;
    }

    qint64 addFeed(qint64 companyId, const QString &url)
    {
        t.store->addSource(companyId, SourceKind::press, url, {});
        for (const SourceRecord &source : t.store->sources(companyId)) {
            if (source.url == url)
                return *source.id;
        }
        return 0;
    }

    // Stores one item of the company, published minutesAgo before now.
    qint64 addItem(qint64 companyId, const QString &title, const QString &publisher, qint64 minutesAgo,
                   Severity severity = Severity::routine)
    {
        if (!m_feeds.contains(companyId))
            m_feeds.insert(companyId, addFeed(companyId, "https://feeds.example/" + QString::number(companyId)));
        QList<ItemRecord> items{{
            .sourceId = m_feeds.value(companyId),
            .companyId = companyId,
            .url = "https://" + (publisher.isEmpty() ? QStringLiteral("unknown.example") : publisher) + "/"
                + QString::number(++m_itemNumber),
            .title = title,
            .publishedAt = t.now.addSecs(-minutesAgo * 60),
            .discoveredAt = t.now,
            .clusterKey = "key" + QString::number(m_itemNumber),
            .severity = toText(severity),
            .publisher = publisher,
        }};
        t.store->insert(items);
        return items.first().id.value_or(0);
    }

    const Company *company(const QString &name)
    {
        for (const Company &each : model().companies()) {
            if (each.name == name)
                return &each;
        }
        return nullptr;
    }

    // Runs the event loop until done() holds or the limit passes.
    static bool waitUntil(const std::function<bool()> &done, std::chrono::milliseconds limit = std::chrono::seconds(30))
    {
        QElapsedTimer elapsed;
        elapsed.start();
        while (!done()) {
            if (elapsed.elapsed() > limit.count())
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return true;
    }

    QTemporaryDir settingsDirectory;
    TemporaryStore t;
    ScopedEnvironment database{"PELMOR_DB", t.path()};
    ScopedEnvironment demo{"PELMOR_DEMO_POPULATING", std::nullopt};
    TestHttpServer server;
    ScopedConnectTo connectTo{server.connectTo()};
    Scanner scanner{*t.store};

private:
    QHash<qint64, qint64> m_feeds;
    int m_itemNumber = 0;
    std::unique_ptr<AppModel> m_model;
};
