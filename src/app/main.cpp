#include "CommandLineTools.h"
#include "PelmorApp.h"

#include <QtQml/QQmlExtensionPlugin>

Q_IMPORT_QML_PLUGIN(PelmorPlugin)

int main(int argc, char **argv)
{
    CommandLineTools::runIfRequested(argc, argv);
    return PelmorApp::run(argc, argv);
}
