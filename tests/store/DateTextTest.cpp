#include "DateText.h"

#include <QTimeZone>

#include <gtest/gtest.h>

TEST(DateText, WritesTwentyThreeCharactersInUtc)
{
    const QDateTime berlin(QDate(2024, 3, 5), QTime(15, 7, 9, 250), QTimeZone("Europe/Berlin"));
    EXPECT_EQ(DateText::format(berlin), QStringLiteral("2024-03-05 14:07:09.250"));
    EXPECT_EQ(DateText::format(QDateTime(QDate(7, 1, 2), QTime(3, 4, 5, 6), Qt::UTC)),
              QStringLiteral("0007-01-02 03:04:05.006"));
}

TEST(DateText, ReadsTheStoredFormAndOlderVariants)
{
    const QDateTime expected(QDate(2024, 3, 5), QTime(14, 7, 9, 250), Qt::UTC);
    EXPECT_EQ(DateText::parse(u"2024-03-05 14:07:09.250"), expected);
    EXPECT_EQ(DateText::parse(u"2024-03-05T14:07:09.250Z"), expected);
    EXPECT_EQ(DateText::parse(u"2024-03-05 14:07:09"), expected.addMSecs(-250));
}

TEST(DateText, RejectsMalformedText)
{
    for (const char16_t *text : {u"", u"2024-03-05", u"2024-13-05 14:07:09.250", u"2024-03-05 25:07:09.250",
                                 u"2024/03/05 14:07:09.250", u"2024-03-05 14:07:09,250", u"-024-03-05 14:07:09.250",
                                 u"2024-03-05 14:07:09.2500"})
        EXPECT_FALSE(DateText::parse(text).isValid()) << QString::fromUtf16(text).toStdString();
}
