#include "PelmorApp.h"

#include "Snapshot.h"
#include "Store.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

namespace PelmorApp {

int run(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Oxbell"));
    QGuiApplication::setDesktopFileName(QStringLiteral("pelmor"));

    // Nothing runs without a database: a broken one stops here, before any window.
    Store::shared();

    QQmlApplicationEngine engine;
    engine.load(QUrl(QStringLiteral("qrc:/Pelmor/qml/Main.qml")));
    auto *window = engine.rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    if (!window)
        return 1;

    const QString snapshot = qEnvironmentVariable("PELMOR_DEBUG_SNAPSHOT");
    if (!snapshot.isEmpty())
        Snapshot::saveFirstFrame(window, snapshot);

    return QGuiApplication::exec();
}

}
