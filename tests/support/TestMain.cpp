#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Qt's event loop and file services need an application object.
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
