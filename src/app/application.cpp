#include "app/application.h"

#include <QApplication>

namespace zephyra {

int runApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    return app.exec();
}

} // namespace zephyra
