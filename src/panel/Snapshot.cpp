#include "Snapshot.h"

#include <QCoreApplication>
#include <QImage>
#include <QQuickWindow>
#include <QTimer>

#include <cstdio>

namespace Snapshot {

void saveFirstFrame(QQuickWindow *window, const QString &path)
{
    // Grab after the frame is on screen, once, outside the render pass.
    QObject::connect(
        window, &QQuickWindow::frameSwapped, window,
        [window, path] {
            QTimer::singleShot(0, window, [window, path] {
                const QImage image = window->grabWindow();
                if (image.isNull() || !image.save(path, "PNG")) {
                    std::fprintf(stderr, "could not write the snapshot %s\n", qPrintable(path));
                    QCoreApplication::exit(1);
                    return;
                }
                QCoreApplication::quit();
            });
        },
        Qt::SingleShotConnection);
}

}
