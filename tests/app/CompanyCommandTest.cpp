#include "Logos.h"
#include "PelmorProcess.h"
#include "ScopedEnvironment.h"
#include "Store.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CompanyCommands : public testing::Test
{
protected:
    PelmorRun run(const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PELMOR_DB", path);
        return runPelmor(arguments, environment);
    }

    QTemporaryDir directory;
    QString path = directory.filePath("pelmor.sqlite");
    ScopedEnvironment database{"PELMOR_DB", path};
};

} // namespace

TEST_F(CompanyCommands, RemoveFindsTheCompanyByAnyFormOfItsDomain)
{
    QString logo;
    {
        Store store(path);
        const CompanyRecord acme = store.addCompany("Acme", "acme.com", 0, {}, 60, "high");
        store.addCompany("Other", "other.com", 0, {}, 60, "high");
        QFile file(Logos::directory() + "/acme.com.png");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        logo = file.fileName();
        store.setLogoPath("acme.com.png", *acme.id);
    }
    EXPECT_EQ(run({"--remove", "https://www.acme.com/about"}).out, "removed Acme\n");
    EXPECT_FALSE(QFile::exists(logo));
    EXPECT_EQ(Store(path).companies().size(), 1);
    EXPECT_EQ(run({"--remove", "HTTP://Acme.com"}).out, "no company for acme.com\n");
    EXPECT_EQ(run({"--remove"}).out, "usage: pelmor --remove <domain>\n");
}
