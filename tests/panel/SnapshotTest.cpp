#include "PelmorProcess.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PanelSnapshot, RendersThePanelHeadlessIntoAPng)
{
    QTemporaryDir directory;
    const QString snapshot = directory.filePath(QStringLiteral("panel.png"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PELMOR_DB"), directory.filePath(QStringLiteral("pelmor.sqlite")));
    environment.insert(QStringLiteral("PELMOR_DEBUG_SNAPSHOT"), snapshot);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), directory.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), directory.path());
    QFile::setPermissions(directory.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    const PelmorRun result = runPelmor({}, environment);
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();

    const QImage image(snapshot);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(340, 800));
    EXPECT_GT(QFileInfo(snapshot).size(), 0);
}
