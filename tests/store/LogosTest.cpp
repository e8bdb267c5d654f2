#include "Logos.h"
#include "QtPrinters.h"
#include "ScopedEnvironment.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray encoded(int width, const char *format, QColor colour = Qt::red)
{
    QImage image(width, 8, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// Logos of a database in a temporary directory.
class LogoFiles : public testing::Test
{
protected:
    QTemporaryDir directory;
    ScopedEnvironment database{"PELMOR_DB", directory.filePath("data/pelmor.sqlite")};
    QString logos = directory.filePath("data/logos");
};

} // namespace

TEST_F(LogoFiles, LiveBesideTheDatabase)
{
    EXPECT_EQ(Logos::directory(), logos);
    EXPECT_TRUE(QFileInfo(logos).isDir());
}

TEST_F(LogoFiles, SavingKeepsImagesAtLeastSixteenWideAsPng)
{
    EXPECT_FALSE(Logos::save(encoded(15, "PNG"), "narrow.example"));
    EXPECT_FALSE(QFileInfo::exists(logos + "/narrow.example.png"));
    EXPECT_FALSE(Logos::save("<html>not an image</html>", "html.example"));

    EXPECT_EQ(Logos::save(encoded(16, "JPG"), "wide.example"), "wide.example.png");
    QFile file(logos + "/wide.example.png");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(8).startsWith("\x89PNG"));
    EXPECT_EQ(Logos::image("wide.example.png")->width(), 16);
}

TEST_F(LogoFiles, ASecondSaveReplacesTheFileAndTheCachedImage)
{
    Logos::save(encoded(20, "PNG", Qt::red), "again.example");
    EXPECT_EQ(Logos::image("again.example.png")->pixelColor(0, 0), QColor(Qt::red));
    Logos::save(encoded(24, "PNG", Qt::blue), "again.example");
    EXPECT_EQ(Logos::image("again.example.png")->pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(QImage(logos + "/again.example.png").width(), 24);
}

TEST_F(LogoFiles, AbsencesAreRememberedAndRemovalForgets)
{
    EXPECT_FALSE(Logos::image(""));
    EXPECT_FALSE(Logos::image("missing.example.png"));
    QFile late(logos + "/missing.example.png");
    ASSERT_TRUE(late.open(QIODevice::WriteOnly));
    late.write(encoded(32, "PNG"));
    late.close();
    EXPECT_FALSE(Logos::image("missing.example.png")) << "the disk is not probed again";

    Logos::remove("never.example.png");
    Logos::save(encoded(32, "PNG"), "gone.example");
    Logos::remove("gone.example.png");
    EXPECT_FALSE(QFileInfo::exists(logos + "/gone.example.png"));
    EXPECT_FALSE(Logos::image("gone.example.png"));
}

TEST_F(LogoFiles, NamesThatLeaveTheDirectoryAreRefused)
{
    Logos::directory();
    QFile outside(directory.filePath("data/precious.png"));
    ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
    outside.write(encoded(32, "PNG"));
    outside.close();
    Logos::remove("../precious.png");
    EXPECT_TRUE(outside.exists());
    EXPECT_FALSE(Logos::image("../precious.png"));
    EXPECT_FALSE(Logos::save(encoded(32, "PNG"), "../precious"));
}
