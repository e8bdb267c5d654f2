#include "FixtureSites.h"
#include "ModelTesting.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

class AppModelActions : public ModelTest
{
protected:
    // Adds the company and waits until its first scan is over, collecting
    // every status its row showed on the way.
    QStringList add(const CompanyDraft &draft)
    {
        QStringList statuses;
        const auto connection = QObject::connect(&model(), &AppModel::populatingChanged, [&] {
            statuses.append(model().populating().isEmpty() ? QString() : model().populating().first());
        });
        model().addCompany(draft);
        EXPECT_TRUE(waitUntil([&] { return model().populating().isEmpty(); }));
        QObject::disconnect(connection);
        return statuses;
    }

    std::optional<CompanyRecord> row(const QString &domain)
    {
        for (const CompanyRecord &company : t.store->companies()) {
            if (company.domain == domain)
                return company;
        }
        return std::nullopt;
    }

    QString link(const QString &domain, LinkKind kind, const QString &label = {})
    {
        for (const CompanyLink &each : t.store->links(*row(domain)->id)) {
            if (each.kind == toText(kind) && each.label == label)
                return each.url;
        }
        return {};
    }
};

TEST_F(AppModelActions, AddingACompanyShowsItsProgressThroughToTheFirstScan)
{
    FixtureSites::serveNewsroomSite(server);

    const QStringList statuses = add({.domain = " https://www.acme.example/en ",
                                      .links = {{.kind = LinkKind::press, .url = "https://acme.example/press-room"},
                                                {.kind = LinkKind::blog, .url = " \t "}}});

    EXPECT_EQ(statuses, QStringList({"Looking for feeds", "Reading 2 feeds", ""}));
    const std::optional<CompanyRecord> acme = row("acme.example");
    ASSERT_TRUE(acme);
    // The guess from the domain gave way to the home page's title.
    EXPECT_EQ(acme->name, "Acme Robotics");
    EXPECT_EQ(acme->tint, 0x1F7A6B);
    EXPECT_EQ(acme->cadenceMinutes, 60);
    EXPECT_EQ(t.store->sources(*acme->id).size(), 2);
    // The typed press link beat the discovered one; the blank one was skipped.
    EXPECT_EQ(link("acme.example", LinkKind::press), "https://acme.example/press-room");
    EXPECT_EQ(link("acme.example", LinkKind::blog), "https://acme.example/blog");
    // The site's own domain is an outlet, its first scan has run, and the
    // logo that does not answer left the company without one.
    EXPECT_TRUE(model().lastScan().isValid());
    EXPECT_FALSE(model().isScanning());
    EXPECT_EQ(model().companies().first().status, "");
    EXPECT_EQ(acme->logoPath, "");
}

TEST_F(AppModelActions, ATypedNameIsNeverReplaced)
{
    FixtureSites::serveNewsroomSite(server);
    add({.domain = "acme.example", .name = "Acme"});
    EXPECT_EQ(row("acme.example")->name, "Acme");
}

TEST_F(AppModelActions, AddingATrackedDomainKeepsItsRowAndMergesFeeds)
{
    FixtureSites::serveNewsroomSite(server);
    const qint64 acme = addCompany("Acme Works", "acme.example", 0x2B5FA8);
    addFeed(acme, "https://acme.example/old.xml");

    const QStringList statuses = add({.domain = "acme.example"});

    EXPECT_EQ(statuses, QStringList({"Looking for feeds", "Reading 3 feeds", ""}));
    EXPECT_EQ(row("acme.example")->name, "Acme Works");
    EXPECT_EQ(row("acme.example")->tint, 0x2B5FA8);
    EXPECT_EQ(t.store->companies().size(), 1);
}

TEST_F(AppModelActions, TheSeventhCompanyTakesTheFirstColourAgain)
{
    const QStringList domains{"a.example", "b.example", "c.example", "d.example", "e.example", "f.example"};
    for (const QString &domain : domains)
        addCompany(domain, domain);
    model();

    add({.domain = "seventh.example", .name = "Seventh"});

    EXPECT_EQ(row("seventh.example")->tint, 0x1F7A6B);
    EXPECT_EQ(company("Seventh")->tint, QColor(31, 122, 107));
}

TEST_F(AppModelActions, ADomainOfSpacesDoesNothing)
{
    QSignalSpy populating(&model(), &AppModel::populatingChanged);
    model().addCompany({.domain = "   "});
    EXPECT_TRUE(t.store->companies().isEmpty());
    EXPECT_EQ(populating.count(), 0);
}

TEST_F(AppModelActions, EditingACompanyRewritesItsLinks)
{
    const qint64 acme = addCompany("Acme", "acme.example");
    t.store->setLink(acme, LinkKind::press, {}, "https://acme.example/press");
    model();

    model().updateCompany(*company("Acme"), "", "Acme Corp", QColor(168, 62, 69),
                          {{.kind = LinkKind::press, .url = "  "},
                           {.kind = LinkKind::custom, .label = "Careers", .url = " https://acme.example/jobs\n"},
                           {.kind = LinkKind::github, .label = "ignored", .url = "https://github.com/acme"}});

    EXPECT_EQ(company("Acme")->tint, QColor(168, 62, 69));
    EXPECT_EQ(row("acme.example")->aliases, "Acme Corp");
    EXPECT_EQ(link("acme.example", LinkKind::press), "");
    EXPECT_EQ(link("acme.example", LinkKind::custom, "Careers"), "https://acme.example/jobs");
    EXPECT_EQ(link("acme.example", LinkKind::github), "https://github.com/acme");
    // The company was scanned again after the change.
    EXPECT_TRUE(waitUntil([&] { return model().lastScan().isValid() && !model().isScanning(); }));
    EXPECT_EQ(model().record(*company("Acme"))->aliases, "Acme Corp");
}

TEST_F(AppModelActions, FeedsAreAddedChangedSwitchedAndRetried)
{
    const qint64 acme = addCompany("Acme", "acme.example");
    model();

    model().addFeed(acme, SourceKind::blog, "https://acme.example/blog.xml", "Blog");
    ASSERT_EQ(model().feeds().size(), 1);
    SourceRecord feed = model().feeds().first();
    EXPECT_TRUE(model().isScanning());
    EXPECT_TRUE(waitUntil([&] { return !model().isScanning(); }));
    // Nothing answers the address: the scan recorded a failure.
    EXPECT_EQ(model().failingCount(), 1);

    model().setFeedEnabled(feed, false);
    EXPECT_EQ(model().feedCount(), 0);
    EXPECT_FALSE(model().isScanning());

    model().retry(feed);
    EXPECT_EQ(model().feedCount(), 1);
    EXPECT_EQ(model().failingCount(), 0);
    EXPECT_TRUE(model().isScanning());
    EXPECT_TRUE(waitUntil([&] { return !model().isScanning(); }));

    model().updateFeed(*feed.id, acme, SourceKind::press, "https://acme.example/press.xml", "Press");
    feed = model().feeds().first();
    EXPECT_EQ(feed.url, "https://acme.example/press.xml");
    EXPECT_EQ(feed.kind, "press");
    EXPECT_TRUE(waitUntil([&] { return !model().isScanning(); }));

    model().retry(SourceRecord{.companyId = acme});
    EXPECT_FALSE(model().isScanning());
}

TEST_F(AppModelActions, CustomOutletsAreNormalisedAndSwitchedOn)
{
    const struct {
        QString domain;
        QString name;
        QString stored;
        QString label;
    } cases[] = {{"https://www.Local-Paper.example/news", "", "local-paper.example", "local-paper.example"},
                 {"trade.example", "Trade Weekly", "trade.example", "Trade Weekly"}};
    for (const auto &c : cases) {
        model().addCustomSource(c.domain, c.name, SourceCategory::trade);
        const auto row = std::ranges::find(model().catalog(), c.stored, &CatalogRecord::domain);
        ASSERT_NE(row, model().catalog().end()) << c.domain.toStdString();
        EXPECT_EQ(row->name, c.label);
        EXPECT_TRUE(row->enabled);
        EXPECT_TRUE(row->isCustom);
    }
    const qsizetype rows = model().catalog().size();
    model().addCustomSource("  ", "Nothing", SourceCategory::trade);
    EXPECT_EQ(model().catalog().size(), rows);
}

}
