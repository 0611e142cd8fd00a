#include "app/application.h"

#include "app/about_box.h"
#include "app/main_window.h"
#include "app/qt_platform.h"

#include <QApplication>
#include <QPixmap>
#include <QStyleFactory>

#include <csignal>

namespace zephyra {

int runApplication(int argc, char** argv) {
    // Under a file size limit any write past it (a motion, a font cache, the dialog's
    // history) would kill the program with the scene in it; ignored, the write fails and
    // a save says "Disk full".
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zephyra"));
    QApplication::setApplicationVersion(QStringLiteral("1.2"));
    // One look on every desktop, so the designed layout holds everywhere.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QPixmap::fromImage(aboutLogo(64)));
    QtPlatform platform;
    Trelativefrm relativefrm(platform);
    platform.setWindow(&relativefrm);
    relativefrm.show();
    // Ask for the focus: without a window manager nothing else would activate the window.
    relativefrm.activateWindow();
    return app.exec();
}

} // namespace zephyra
