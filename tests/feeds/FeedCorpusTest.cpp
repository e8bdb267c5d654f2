#include "FeedParser.h"

#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

// Odd and broken documents from other feed readers' test suites: none may
// crash or hang the parser.
TEST(FeedCorpus, ParsesEveryDocument)
{
    const QString corpus = QStringLiteral(PELMOR_FEED_CORPUS);
    if (!QFileInfo(corpus).isDir())
        GTEST_SKIP() << "no corpus at " << corpus.toStdString();
    int documents = 0;
    int feeds = 0;
    QDirIterator files(corpus, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        ++documents;
        feeds += FeedParser::parse(file.readAll()).has_value();
    }
    // A wrong path or a parser that rejects everything would pass unnoticed.
    EXPECT_GT(documents, 1000);
    EXPECT_GT(feeds, 20);
    RecordProperty("documents", documents);
    RecordProperty("feeds", feeds);
}
